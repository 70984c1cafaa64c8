#include "tools/check_run.h"

#include "cases/case_file_match.h"
#include "engine/diagnosis_case.h"
#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"
#include "tools/capturing_file_access.h"
#include "tools/long_lines.h"

namespace ordisan::tools {

namespace {

LoadExtent extentOf(const BytesRead& read, int stopLine)
{
    return LoadExtent{read.opened, read.bytes, read.readFailed, stopLine};
}

// The over-long line that stopped the load gets its length in its message; every one
// after it, which the load never reached, becomes a warning.
void reportLongLines(CheckRun& run, DataFile file, const BytesRead& read, int stopLine)
{
    if (!read.opened)
        return;
    for (const LongLine& line : longLinesOf(file, read.bytes + read.rest)) {
        bool refused = false;
        for (ReportCall& call : run.reports) {
            if (call.file == file && call.line == line.line && refusesForLength(call)) {
                call.note = describe(line);
                refused = true;
            }
        }
        if (!refused)
            run.warnings.push_back(
                {WarningKind::TooLong, file, line.line,
                 describe(line) + (stopLine > 0 && line.line > stopLine
                                       ? "; the load stopped on line " + std::to_string(stopLine)
                                           + " before it"
                                       : "")});
    }
}

} // namespace

CheckRun loadAndCheck(const std::string& folder)
{
    CheckRun run;
    run.kb = std::make_unique<KnowledgeBase>();
    KnowledgeBase& kb = *run.kb;

    CapturingFileAccess files(folder);
    LineReader reader(files);
    RecordingReporter reporter(reader);

    reporter.setFile(DataFile::Syndromes);
    run.syndromeFile = loadSyndromeFile(kb, reader, reporter);
    if (run.syndromeFile) {
        reporter.setFile(DataFile::Dictionary);
        run.dictionaryFile = loadDictionaryFile(kb, reader, reporter);
    }
    const int syndromeStop = reporter.lastMessageLine(DataFile::Syndromes);
    const int dictionaryStop = reporter.lastMessageLine(DataFile::Dictionary);
    run.reports = reporter.calls();

    run.warnings =
        syndromeFileWarnings(kb, extentOf(files.bytesRead(SYNDROME_FILE_NAME), syndromeStop));
    if (run.dictionaryFile) {
        auto more = dictionaryFileWarnings(
            kb, extentOf(files.bytesRead(DICTIONARY_FILE_NAME), dictionaryStop));
        run.warnings.insert(run.warnings.end(), more.begin(), more.end());
    }
    reportLongLines(run, DataFile::Syndromes, files.bytesRead(SYNDROME_FILE_NAME), syndromeStop);
    if (run.dictionaryFile)
        reportLongLines(run, DataFile::Dictionary, files.bytesRead(DICTIONARY_FILE_NAME),
                        dictionaryStop);
    sortWarnings(run.warnings);
    return run;
}

int exitStatusOf(const CheckRun& run)
{
    for (const ReportCall& call : run.reports) {
        if (call.kind == ReportCall::Kind::Message)
            return 1;
    }
    return run.syndromeFile && run.dictionaryFile.value_or(false) ? 0 : 1;
}

void rankDiagnosis(KnowledgeBase& kb, SexCode sex, const std::vector<int>& present,
                   const std::vector<int>& absent)
{
    CaseEntry entry;
    entry.sex = sex;
    entry.present = present;
    entry.absent = absent;
    DiagnosisCase diagnosis(kb);
    enterCase(diagnosis, entry);
}

} // namespace ordisan::tools
