#pragma once

#include "knowledge/knowledge_base.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace ordisan {

// The symptoms stored so far in one load, by text, sex and location, so that a symptom
// line finds the first stored symptom it repeats without comparing it with every one.
// Open addressing over the record's own symptoms: no key copies, no allocation.
class SymptomIndex final {
public:
    explicit SymptomIndex(const KnowledgeBase& kb) : kb_(kb) { slots_.fill(Slot{EMPTY, 0}); }

    // The first stored symptom with this text, sex and location; -1 when there is none.
    int find(std::string_view text, SexCode sex, LocationCode location);
    // Records stored symptom `index` in the empty slot that the last find() ended on:
    // call it only right after a find() that returned -1, for that symptom.
    void add(int index);

private:
    static constexpr std::int32_t EMPTY = -1;
    // A power of two, at least twice the symptom capacity: probes stay short.
    static constexpr std::size_t SLOT_COUNT = 4096;
    static_assert(SLOT_COUNT >= 2 * MAX_SYMPTOMS && (SLOT_COUNT & (SLOT_COUNT - 1)) == 0);

    // The slot holding this symptom, or the empty slot where it would go.
    std::size_t slotOf(std::string_view text, SexCode sex, LocationCode location);

    // The hash kept beside the index spares a look at the record for most misses.
    struct Slot {
        std::int32_t symptom;
        std::uint32_t hash;
    };

    const KnowledgeBase& kb_;
    std::array<Slot, SLOT_COUNT> slots_;
    std::size_t lastSlot_ = 0;
    std::uint32_t lastHash_ = 0;
};

} // namespace ordisan
