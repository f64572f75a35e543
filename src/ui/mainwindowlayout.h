#pragma once

// The main window's measures and BoxBolas's items, shared by the window's
// handlers (mainwindow.cpp) and its controls (mainwindowcontrols.cpp).
namespace molvix::ui::form1 {

constexpr int kClientWidth = 326; // 334 x 420 on screen, less its frame
constexpr int kClientHeight = 393;
constexpr int kTopStrip = 22;
constexpr int kBottomPanel = 60;

// BoxBolas's items, by index.
enum BolasItem
{
    kBolas = 0,
    kPuntos = 1,
    kOpenGLNo = 2
};

} // namespace molvix::ui::form1
