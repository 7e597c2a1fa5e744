#pragma once
// The keys of a master-data record (".abr" file): section, key, the control
// whose text is stored (by its object name) and the text used when the key is
// missing. Loading applies them in this order and saving writes them in it;
// the pay-item rows follow in the sections "Beträge", "ATZBeträge" and
// "PfdBeträge" (Record.h).

#include <span>
#include <string_view>

namespace lx {

enum class RecordValueKind {
    Text,         // the control's text as shown
    CheckBox,     // "1" checked, "0" not
    DaysInMonth,  // text; missing: the days of the main window's month in its year
};

struct RecordKey {
    std::string_view section;
    std::string_view key;
    std::string_view control;
    std::string_view fallback;
    RecordValueKind kind = RecordValueKind::Text;
};

// Every stored control, in loading and saving order. The contribution group
// ("LxEdiBGR") comes before the health rate ("MEdiKV"): its change handler sets
// a rate that the stored one then replaces.
std::span<const RecordKey> recordKeys();

// The entry of a control, or nullptr.
const RecordKey* findRecordKey(std::string_view control);

}  // namespace lx
