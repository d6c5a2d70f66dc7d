#pragma once

// What the exports ask of the live display. The display runs on a thread of its own; none of
// these calls waits for it while the caller holds the contest state's lock.
class Display {
public:
    virtual ~Display() = default;

    // The setup window exists, i.e. the display thread runs.
    virtual bool isRunning() const = 0;
    // Starts the display thread, closing a running one first.
    virtual void start() = 0;
    // Closes every plug-in window and returns when the display thread has ended.
    virtual void shutdown() = 0;
    // Posts the refresh message to the setup window when it exists; does not wait.
    virtual void requestRefresh() = 0;
    // Zone window back to all zones not worked, when it is open.
    virtual void resetZoneDisplay() = 0;
};

// The display of this build: windows on Windows, none elsewhere.
Display& platformDisplay();
