#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/cabrillo_header.h"

// The Cabrillo header form apart from its window: the values it opens with, what OK keeps and
// saves, and the name of the file that the export writes.

// Looks a key up in the plug-in's settings; empty when missing.
using SettingsLookUp = std::function<std::string(const std::string& key)>;

// What the form shows when it opens: the contestant call, the values the settings keep from the
// last confirmation, and fixed start values for the categories, location and contest.
CabrilloHeader openHeaderForm(const std::string& contestantCall, const SettingsLookUp& lookUp);

// What OK keeps of the operator's answer: everything but CLAIMED, which only shows the score.
CabrilloHeader confirmedHeader(const CabrilloHeader& opened, CabrilloHeader answered);

struct SavedSetting {
    std::string key;
    std::string value;
};

// The settings that OK writes, in the order it writes them.
std::vector<SavedSetting> settingsSavedOnOk(const CabrilloHeader& confirmed);

// The contestant call made fit for a file name: trimmed, every character that cannot stand in a
// Windows file name replaced by "_", and "TOLV" when nothing is left. Editing CALLSIGN in the
// form does not change it.
std::string fileNameBaseFor(std::string_view contestantCall);
