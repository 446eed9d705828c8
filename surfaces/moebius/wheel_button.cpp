#include "surfaces/moebius/wheel_button.h"

#include "surfaces/moebius/strip_model.h"

namespace tessivo {

void WheelButton::onClick() {
    switch (action) {
    case Action::Add:
        strip->addWheel();
        break;
    case Action::Remove:
        strip->removeOldestWheel(); // nothing happens once the band is empty
        break;
    case Action::Clear:
        strip->clearWheels();
        break;
    }
}

} // namespace tessivo
