#include "tools/knowledge_audit.h"

#include "engine/ranking_engine.h"
#include "tools/case_explanation.h"
#include "tools/case_margin.h"

#include <algorithm>
#include <map>
#include <set>

namespace ordisan::tools {

namespace {

int medianOf(std::vector<int> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The findings of each syndrome that apply to the patient's sex, sorted; a symptom
// linked twice stands twice, as it weighs twice in the score, so that two syndromes
// with equal lists score alike on every answer.
std::vector<std::vector<int>> findingsBySyndrome(const KnowledgeBase& kb)
{
    std::vector<std::vector<int>> findings(static_cast<std::size_t>(kb.syndromeCount));
    for (int l = 0; l < kb.linkCount; ++l) {
        if (SymptomApplies(kb, kb.links[l].symptom))
            findings[static_cast<std::size_t>(kb.links[l].syndrome)].push_back(kb.links[l].symptom);
    }
    for (auto& f : findings)
        std::sort(f.begin(), f.end());
    return findings;
}

int sharedCount(const std::vector<int>& a, const std::vector<int>& b)
{
    std::vector<int> both;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    return static_cast<int>(both.size());
}

void auditSizes(KnowledgeAudit& audit, const KnowledgeBase& kb, int s)
{
    std::vector<int> sizes;
    for (int i = 0; i < kb.syndromeCount; ++i) {
        const int size = SyndromeSize(kb, i);
        audit.sizes[static_cast<std::size_t>(i)].findings[s] = size;
        if (size > 0)
            sizes.push_back(size); // a syndrome of the other sex only is no small one
    }
    const int median = audit.medians[s] = medianOf(sizes);
    for (int i = 0; i < kb.syndromeCount; ++i) {
        const int size = audit.sizes[static_cast<std::size_t>(i)].findings[s];
        if (size > 0 && (2 * size < median || size > 2 * median))
            audit.oddSizes.push_back({i, audit.sexes[s], size, median, 2 * size < median});
    }
}

void auditLoneFindings(KnowledgeAudit& audit, DiagnosisCase& diagnosis, int s,
                       const std::vector<std::vector<int>>& findings)
{
    const KnowledgeBase& kb = diagnosis.knowledgeBase();
    std::vector<std::vector<int>> holders(static_cast<std::size_t>(kb.symptomCount));
    for (int i = 0; i < kb.syndromeCount; ++i) {
        for (const int j : findings[static_cast<std::size_t>(i)]) {
            auto& held = holders[static_cast<std::size_t>(j)];
            if (held.empty() || held.back() != i)
                held.push_back(i);
        }
    }
    for (int j = 0; j < kb.symptomCount; ++j) {
        const std::vector<int>& held = holders[static_cast<std::size_t>(j)];
        if (held.empty())
            continue;
        diagnosis.start();
        diagnosis.setAnswer(j, ANSWER_PRESENT);
        diagnosis.rank();
        KnowledgeAudit::LoneFinding lone;
        lone.symptom = j;
        lone.sex = audit.sexes[s];
        lone.holders = static_cast<int>(held.size());
        const auto ranking = diagnosis.syndromeRanking();
        for (const int i : ranking) {
            if (kb.syndromes[i].score != kb.syndromes[ranking[0]].score)
                break;
            lone.first.push_back(i);
        }
        std::vector<int> sizes;
        for (const int i : held)
            sizes.push_back(audit.sizes[static_cast<std::size_t>(i)].findings[s]);
        lone.holdersMedian = medianOf(sizes);
        lone.firstSize = audit.sizes[static_cast<std::size_t>(lone.first[0])].findings[s];
        // It wins on size alone: smaller than three quarters of what holds it.
        lone.flagged = lone.holders >= GENERAL_FINDING_HOLDERS && 4 * lone.firstSize < 3 * lone.holdersMedian;
        audit.loneFindings.push_back(std::move(lone));
    }
}

void auditPairs(KnowledgeAudit& audit, const KnowledgeBase& kb, int s,
                const std::vector<std::vector<int>>& findings, const std::vector<CaseEntry>* cases,
                const std::vector<std::vector<float>>& caseScores)
{
    for (int a = 0; a < kb.syndromeCount; ++a) {
        const auto& fa = findings[static_cast<std::size_t>(a)];
        for (int b = a + 1; b < kb.syndromeCount; ++b) {
            const auto& fb = findings[static_cast<std::size_t>(b)];
            if (fa.empty() || fb.empty())
                continue;
            const int shared = sharedCount(fa, fb);
            if (fa == fb) {
                audit.twins.push_back({a, b, audit.sexes[s], shared});
                continue;
            }
            if (cases == nullptr || 2 * shared < static_cast<int>(std::min(fa.size(), fb.size())))
                continue;
            bool separated = false;
            for (std::size_t c = 0; c < cases->size() && !separated; ++c) {
                const CaseEntry& e = (*cases)[c];
                if (e.sex != audit.sexes[s] || (e.syndrome != a && e.syndrome != b))
                    continue;
                const int other = e.syndrome == a ? b : a;
                separated = caseScores[c][static_cast<std::size_t>(e.syndrome)]
                    > caseScores[c][static_cast<std::size_t>(other)];
            }
            if (!separated)
                audit.unseparated.push_back({a, b, audit.sexes[s], shared});
        }
    }
}

} // namespace

KnowledgeAudit auditKnowledgeBase(DiagnosisCase& diagnosis, const std::vector<CaseEntry>* cases)
{
    const KnowledgeBase& kb = diagnosis.knowledgeBase();
    KnowledgeAudit audit;
    audit.withCases = cases != nullptr;
    audit.sizes.resize(static_cast<std::size_t>(kb.syndromeCount));
    for (int i = 0; i < kb.syndromeCount; ++i)
        audit.sizes[static_cast<std::size_t>(i)].syndrome = i;

    // Each case's scores, for its margin and for the pairs it separates.
    std::vector<std::vector<float>> caseScores;
    if (cases != nullptr) {
        for (const CaseEntry& e : *cases) {
            enterCase(diagnosis, e);
            std::vector<float> scores;
            for (int i = 0; i < kb.syndromeCount; ++i)
                scores.push_back(kb.syndromes[i].score);
            const CaseMargin margin = marginOf(diagnosis, e.syndrome);
            audit.margins.push_back({e.line, e.syndrome, margin.best, margin.points});
            caseScores.push_back(std::move(scores));
        }
        std::stable_sort(audit.margins.begin(), audit.margins.end(),
                         [](const auto& x, const auto& y) { return x.points < y.points; });
    }

    for (int s = 0; s < 2; ++s) {
        diagnosis.setSex(audit.sexes[s]);
        diagnosis.start();
        const auto findings = findingsBySyndrome(kb);
        auditSizes(audit, kb, s);
        auditLoneFindings(audit, diagnosis, s, findings);
        auditPairs(audit, kb, s, findings, cases, caseScores);
    }
    diagnosis.start();
    return audit;
}

} // namespace ordisan::tools
