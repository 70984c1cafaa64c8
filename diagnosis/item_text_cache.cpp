#include "diagnosis/item_text_cache.h"

#include "engine/percent_text.h"
#include "platform/text_codec.h"

namespace ordisan {

ItemTextCache::ItemTextCache(const KnowledgeBase& kb, const QFont& font)
    : kb_(kb), metrics_(font), syndromes_(static_cast<std::size_t>(kb.syndromeCount)),
      symptoms_(static_cast<std::size_t>(kb.symptomCount))
{
}

ItemTextCache::Entry& ItemTextCache::syndromeEntry(int syndrome)
{
    Entry& entry = syndromes_[static_cast<std::size_t>(syndrome)];
    if (!entry.converted) {
        entry.text = fromCp1250(kb_.syndromes[syndrome].name);
        entry.converted = true;
    }
    return entry;
}

ItemTextCache::Entry& ItemTextCache::symptomEntry(int symptom)
{
    Entry& entry = symptoms_[static_cast<std::size_t>(symptom)];
    if (!entry.converted) {
        entry.text = fromCp1250(kb_.symptoms[symptom].text);
        entry.converted = true;
    }
    return entry;
}

int ItemTextCache::widthOf(Entry& entry)
{
    if (entry.width < 0)
        entry.width = metrics_.horizontalAdvance(entry.text);
    return entry.width;
}

const QString& ItemTextCache::syndromeName(int syndrome)
{
    return syndromeEntry(syndrome).text;
}

const QString& ItemTextCache::symptomText(int symptom)
{
    return symptomEntry(symptom).text;
}

int ItemTextCache::syndromeNameWidth(int syndrome)
{
    return widthOf(syndromeEntry(syndrome));
}

int ItemTextCache::symptomTextWidth(int symptom)
{
    return widthOf(symptomEntry(symptom));
}

// The prefix is ASCII, so it reads the same in code page 1250 and in Unicode. Scores
// and weights lie between 0 and 1; any other percentage is made anew each time.
ItemTextCache::Entry& ItemTextCache::prefixEntry(int percent)
{
    const bool kept = percent >= 0 && percent <= 100;
    Entry& entry = kept ? prefixes_[static_cast<std::size_t>(percent)] : (otherPrefix_ = Entry{});
    if (!entry.converted) {
        entry.text = QString::fromLatin1(percentPrefix(percent));
        entry.converted = true;
    }
    return entry;
}

QString ItemTextCache::percentText(int percent, const QString& name)
{
    return prefixEntry(percent).text + name;
}

int ItemTextCache::percentPrefixWidth(int percent)
{
    return widthOf(prefixEntry(percent));
}

} // namespace ordisan
