#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "plugin/contest_plugin.h"
#include "tests/support/answering_form.h"
#include "plugin/plugin_settings.h"
#include "tests/support/qso_builder.h"
#include "tests/support/recording_seams.h"
#include "tests/support/scratch_folder.h"

// A plug-in in a host folder of its own (with the "Plugins" folder the host has), with a
// recording display, recorded messages and a header form that a test answers.
class PluginFixture : public ::testing::Test {
protected:
    ScratchFolder folder;
    RecordingPlatform platform;
    RecordingDisplay display;
    AnsweringForm headerForm;
    ContestPlugin plugin{platform, display, headerForm};
    PluginSettings settings{platform};

    PluginFixture() { std::filesystem::create_directory("Plugins"); }

    // A pass of DL1ABC (EU, DL) for a contest ending 13 May 2018.
    static ScoringPassStart passOf(const std::string& prefix = "DL", const std::string& continent = "EU",
                                   int exportRequest = 0) {
        return {"", exportRequest, "DL1ABC", COleDateTime::fromCalendar({2018, 5, 12, 12, 0, 0}),
                COleDateTime::fromCalendar({2018, 5, 13, 11, 59, 0}), prefix, continent};
    }
};
