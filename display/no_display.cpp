#include "display/display.h"

namespace {

// A display that never runs, for builds without a window system.
class NoDisplay final : public Display {
public:
    bool isRunning() const override { return false; }
    void start() override {}
    void shutdown() override {}
    void requestRefresh() override {}
    void resetZoneDisplay() override {}
};

}  // namespace

Display& platformDisplay() {
    static NoDisplay display;
    return display;
}
