#include "tools/load_record.h"

#include "knowledge/loaders.h"
#include "knowledge/messages.h"

#include <algorithm>
#include <cstring>

namespace ordisan::tools {

namespace {

// The messages a loader makes before it has read a line: they name no line.
bool comesBeforeAnyLine(const char* text)
{
    constexpr Message beforeLines[] = {
        Message::SyndromeFileOpen,   Message::SyndromeFileSeekEnd,
        Message::SyndromeFileSeekStart, Message::ChunkAllocation,
        Message::DictionaryFileOpen, Message::DictionaryFileSeekEnd,
        Message::DictionaryFileSeekStart,
    };
    for (const Message message : beforeLines) {
        if (std::strcmp(text, messageText(message).text) == 0)
            return true;
    }
    return false;
}

} // namespace

const char* fileNameOf(DataFile file)
{
    return file == DataFile::Syndromes ? SYNDROME_FILE_NAME : DICTIONARY_FILE_NAME;
}

bool RecordingReporter::anyMessage() const
{
    for (const ReportCall& call : calls_) {
        if (call.kind == ReportCall::Kind::Message)
            return true;
    }
    return false;
}

int RecordingReporter::lastMessageLine() const
{
    for (auto call = calls_.rbegin(); call != calls_.rend(); ++call) {
        if (call->kind == ReportCall::Kind::Message)
            return call->line;
    }
    return 0;
}

void RecordingReporter::showMessage(const char* text, const char* caption, int icon)
{
    ReportCall call;
    call.kind = ReportCall::Kind::Message;
    call.file = file_;
    call.text = text;
    call.caption = caption;
    call.icon = icon;
    call.line = comesBeforeAnyLine(text) ? 0 : reader_.lineNumber();
    calls_.push_back(std::move(call));
}

void RecordingReporter::record(ReportCall::Kind kind, std::initializer_list<int> values)
{
    ReportCall call;
    call.kind = kind;
    call.file = file_;
    std::copy(values.begin(), values.end(), call.values);
    calls_.push_back(std::move(call));
}

void RecordingReporter::showProgress(int percent)
{
    record(ReportCall::Kind::Progress, {percent});
}

void RecordingReporter::showSyndromeCounts(int syndromes, int symptoms, int links)
{
    record(ReportCall::Kind::SyndromeCounts, {syndromes, symptoms, links});
}

void RecordingReporter::showWordCount(int words)
{
    record(ReportCall::Kind::WordCount, {words});
}

} // namespace ordisan::tools
