#include "ui/widget_panel.h"

#include <GL/gl.h>

namespace tessivo {

WidgetPanel::WidgetPanel() = default;

void WidgetPanel::layout(int width, int height) {
    for (auto& widget : widgets) {
        widget->layout(width, height);
    }
}

void WidgetPanel::draw() {
    // Controls enable blending, change the colour and so on; restoring the saved state keeps
    // the 3D drawing of the next frame independent of what the overlay did.
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_LINE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    for (auto& widget : widgets) {
        if (!widget->hidden) {
            widget->draw();
        }
    }
    glPopAttrib();
    // The 3D view always draws lit and depth-tested, whatever the controls left behind.
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
}

PointerHandler* WidgetPanel::target(const Vec2& p) {
    for (auto& widget : widgets) {
        if (PointerHandler* handler = widget->target(p)) {
            return handler;
        }
    }
    return nullptr;
}

} // namespace tessivo
