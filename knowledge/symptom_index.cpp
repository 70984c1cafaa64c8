#include "knowledge/symptom_index.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>

namespace ordisan {

namespace {

bool sameSymptom(const SymptomRecord& stored, std::string_view text, SexCode sex,
                 LocationCode location)
{
    return stored.sex == sex && stored.location == location
        && stored.text[text.size()] == '\0'
        && std::memcmp(stored.text, text.data(), text.size()) == 0;
}

} // namespace

std::size_t SymptomIndex::slotOf(std::string_view text, SexCode sex, LocationCode location)
{
    std::size_t hash = std::hash<std::string_view>{}(text);
    hash ^= static_cast<std::uint32_t>(sex) * std::size_t{0x9E3779B1u};
    hash ^= static_cast<std::uint32_t>(location) * std::size_t{0x85EBCA77u};
    const std::uint64_t wide = hash; // a 32-bit size_t has no upper half to shift
    lastHash_ = static_cast<std::uint32_t>(wide >> 32 ^ wide);
    std::size_t slot = hash & (SLOT_COUNT - 1);
    for (;; slot = (slot + 1) & (SLOT_COUNT - 1)) {
        const Slot& s = slots_[slot];
        if (s.symptom == EMPTY
            || (s.hash == lastHash_ && sameSymptom(kb_.symptoms[s.symptom], text, sex, location)))
            return slot;
    }
}

int SymptomIndex::find(std::string_view text, SexCode sex, LocationCode location)
{
    lastSlot_ = slotOf(text, sex, location);
    return slots_[lastSlot_].symptom;
}

void SymptomIndex::add(int index)
{
    slots_[lastSlot_] = Slot{index, lastHash_};
}

} // namespace ordisan
