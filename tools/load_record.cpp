#include "tools/load_record.h"

#include "knowledge/loaders.h"
#include "knowledge/messages.h"

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

void RecordingReporter::showProgress(int percent)
{
    ReportCall call;
    call.kind = ReportCall::Kind::Progress;
    call.file = file_;
    call.values[0] = percent;
    calls_.push_back(std::move(call));
}

void RecordingReporter::showSyndromeCounts(int syndromes, int symptoms, int links)
{
    ReportCall call;
    call.kind = ReportCall::Kind::SyndromeCounts;
    call.file = file_;
    call.values[0] = syndromes;
    call.values[1] = symptoms;
    call.values[2] = links;
    calls_.push_back(std::move(call));
}

void RecordingReporter::showWordCount(int words)
{
    ReportCall call;
    call.kind = ReportCall::Kind::WordCount;
    call.file = file_;
    call.values[0] = words;
    calls_.push_back(std::move(call));
}

} // namespace ordisan::tools
