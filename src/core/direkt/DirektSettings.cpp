#include "direkt/DirektSettings.h"

#include <cstddef>
#include <string_view>

#include "ini/IniStore.h"
#include "ini/SettingsTags.h"

namespace plv7 {

using namespace settings;

namespace {

// Ranges are checked on the long value: a huge number must not wrap into a valid one.
int intInRange(const IniStore& store, std::string_view tag, long low, long high, int fallback) {
    const auto value = store.getInt(kSectionDirekt, tag);
    return (value && *value >= low && *value <= high) ? static_cast<int>(*value) : fallback;
}

bool flag(const IniStore& store, std::string_view tag, bool fallback) {
    const auto value = store.getInt(kSectionDirekt, tag);
    return value ? *value != 0 : fallback;
}

void putFlag(IniStore& store, std::string_view tag, bool value) {
    store.putInt(kSectionDirekt, tag, value ? 1 : 0);
}

void putIfSet(IniStore& store, std::string_view tag, const std::optional<double>& value) {
    if (value) store.putDouble(kSectionDirekt, tag, *value);
}

}  // namespace

DirektSettings readDirektSettings(const IniStore& store) {
    DirektSettings settings;
    for (std::size_t i = 0; i < settings.kurve.size(); ++i) {
        settings.kurve[i] = flag(store, kTagKurve[i], true);
    }
    settings.grafikZeigen = flag(store, kTagOsziloskop, true);
    settings.einzelbild = flag(store, kTagEinzelbild, false);
    settings.verzoegertZeichnen = flag(store, kTagVerzoegert, false);
    settings.punkteProDiv = intInRange(store, kTagPunkteProDiv, 1, 100, 20);
    if (const auto seconds = store.getDouble(kSectionDirekt, kTagAbtastzeit);
        seconds && *seconds >= kMinAbtastzeit && *seconds <= kMaxAbtastzeit) {
        settings.abtastzeit = *seconds;
    }
    settings.prozentProDiv = intInRange(store, kTagYProDiv, 1, 20, 20);
    settings.yOffsetInProzent = intInRange(store, kTagYOffset, 0, 95, 0);
    settings.triggerQuelle = intInRange(store, kTagTriggerQuelle, 0, 4, 0);
    if (const auto percent = store.getDouble(kSectionDirekt, kTagTriggerSchwelle);
        percent && *percent >= 0 && *percent <= 100) {
        settings.triggerSchwelle = *percent;
    }
    const int flanke = intInRange(store, kTagTriggerFlanke, -1, 1, 1);
    settings.triggerFlanke = flanke == 0 ? 1 : flanke;
    settings.triggerDelay = intInRange(store, kTagTriggerDelay, -11, 11, 0);
    for (std::size_t i = 0; i < settings.begrenzung.size(); ++i) {
        settings.begrenzung[i] = store.getDouble(kSectionDirekt, kTagGrenze[i]);
    }
    return settings;
}

void writeDirektSettings(IniStore& store, const DirektSettings& settings) {
    for (std::size_t i = 0; i < settings.kurve.size(); ++i) {
        putFlag(store, kTagKurve[i], settings.kurve[i]);
    }
    putFlag(store, kTagOsziloskop, settings.grafikZeigen);
    putFlag(store, kTagEinzelbild, settings.einzelbild);
    putFlag(store, kTagVerzoegert, settings.verzoegertZeichnen);
    store.putInt(kSectionDirekt, kTagPunkteProDiv, settings.punkteProDiv);
    putIfSet(store, kTagAbtastzeit, settings.abtastzeit);
    store.putInt(kSectionDirekt, kTagYProDiv, settings.prozentProDiv);
    store.putInt(kSectionDirekt, kTagYOffset, settings.yOffsetInProzent);
    store.putInt(kSectionDirekt, kTagTriggerQuelle, settings.triggerQuelle);
    store.putDouble(kSectionDirekt, kTagTriggerSchwelle, settings.triggerSchwelle);
    store.putInt(kSectionDirekt, kTagTriggerFlanke, settings.triggerFlanke);
    store.putInt(kSectionDirekt, kTagTriggerDelay, settings.triggerDelay);
    for (std::size_t i = 0; i < settings.begrenzung.size(); ++i) {
        putIfSet(store, kTagGrenze[i], settings.begrenzung[i]);
    }
}

}  // namespace plv7
