#include "tools/load_record.h"

#include "knowledge/loaders.h"
#include "knowledge/messages.h"

#include <algorithm>

namespace ordisan::tools {

namespace {

// The messages a loader makes before it has read a line: they name no line.
bool comesBeforeAnyLine(Message id)
{
    switch (id) {
    case Message::SyndromeFileOpen:
    case Message::SyndromeFileSeekEnd:
    case Message::SyndromeFileSeekStart:
    case Message::ChunkAllocation:
    case Message::DictionaryFileOpen:
    case Message::DictionaryFileSeekEnd:
    case Message::DictionaryFileSeekStart:
        return true;
    default:
        return false;
    }
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

int RecordingReporter::lastMessageLine(DataFile file) const
{
    for (auto call = calls_.rbegin(); call != calls_.rend(); ++call) {
        if (call->kind == ReportCall::Kind::Message && call->file == file)
            return call->line;
    }
    return 0;
}

void RecordingReporter::showMessage(const char* text, const char* caption, int icon)
{
    recordMessage(std::nullopt, text, caption, icon);
}

void RecordingReporter::showIdentifiedMessage(Message id, const char* text, const char* caption,
                                              int icon)
{
    recordMessage(id, text, caption, icon);
}

void RecordingReporter::recordMessage(std::optional<Message> id, const char* text,
                                      const char* caption, int icon)
{
    ReportCall call;
    call.kind = ReportCall::Kind::Message;
    call.file = file_;
    call.message = id;
    call.text = text;
    call.caption = caption;
    call.icon = icon;
    call.line = id && comesBeforeAnyLine(*id) ? 0 : reader_.lineNumber();
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
