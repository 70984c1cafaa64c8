#pragma once

#include "knowledge/line_reader.h"
#include "knowledge/load_reporter.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace ordisan::tools {

enum class DataFile { Syndromes, Dictionary };

const char* fileNameOf(DataFile file);

// One call that the reader or a loader made on its reporter. Texts stay in code page
// 1250, as they were reported.
struct ReportCall {
    enum class Kind { Message, Progress, SyndromeCounts, WordCount };
    Kind kind = Kind::Message;
    DataFile file = DataFile::Syndromes;
    std::optional<Message> message; // which one, when the reporter was told
    std::string text;
    std::string caption;
    int icon = 0;
    int values[3] = {};
    // The reader's physical line when a message was made; 0 for the messages that
    // come before any line is read (open, seek, allocation).
    int line = 0;
    // Of a line refused for its length: how long it is, the limit and why, in English.
    std::string note;
};

// A LoadReporter that keeps every call, in order, with the file being loaded and the
// reader's line at the moment of each message.
class RecordingReporter final : public LoadReporter {
public:
    explicit RecordingReporter(const LineReader& reader) : reader_(reader) {}

    void setFile(DataFile file) { file_ = file; }
    const std::vector<ReportCall>& calls() const { return calls_; }
    bool anyMessage() const;
    // The line of the last message about `file`, 0 when there is none or it names no
    // line: where its load stopped (the reader's refusal of an over-long line ends a
    // load that still counts as done).
    int lastMessageLine(DataFile file) const;

    void showMessage(const char* text, const char* caption, int icon) override;
    void showIdentifiedMessage(Message id, const char* text, const char* caption,
                               int icon) override;
    void showProgress(int percent) override;
    void showSyndromeCounts(int syndromes, int symptoms, int links) override;
    void showWordCount(int words) override;

private:
    void recordMessage(std::optional<Message> id, const char* text, const char* caption, int icon);
    // Appends a call of this kind with up to three numbers.
    void record(ReportCall::Kind kind, std::initializer_list<int> values);

    const LineReader& reader_;
    DataFile file_ = DataFile::Syndromes;
    std::vector<ReportCall> calls_;
};

// Swallows everything; for a second read whose messages the first read has made.
class NullReporter final : public LoadReporter {
public:
    void showMessage(const char*, const char*, int) override {}
    void showProgress(int) override {}
    void showSyndromeCounts(int, int, int) override {}
    void showWordCount(int) override {}
};

} // namespace ordisan::tools
