#include "uitest.h"

// The OpenGL view joins the main window here, so this runs with the program
// tests on a real X server.
namespace {

using SwitchBackTest = molvix::test::ProgramTest;

// Back from the OpenGL view, the software view shows the frame of the same run made
// without the switch, as if it had followed the gas all along.
TEST_F(SwitchBackTest, BackFromTheOpenGLViewTheSoftwareViewShowsTheGasAsItIs)
{
    const auto run = [this] {
        panel->BoxDibVel->setCurrentText(QStringLiteral("SI"));
        panel->ScBarPared->setValue(40);
        panel->ScBarNPart->setValue(30);
        for (int tick = 0; tick < 40; ++tick) {
            form->TimeLoopTimer();
        }
    };
    pick(form->BoxOpenGL, QStringLiteral("SI"));
    run();
    form->BoxBolas->setCurrentText(QStringLiteral("OpenGL NO"));
    const QImage back = view->Buffer().copy();
    const GasState gasBack = s();
    const auto angles = std::pair(view->Alfa, view->Beta); // as the OpenGL view handed them back
    TearDown();
    SetUp();
    run();
    ASSERT_TRUE(s().ParX == gasBack.ParX && s().ParY == gasBack.ParY) << "the same gas";
    std::tie(view->Alfa, view->Beta) = angles;
    view->ProjectAll();
    view->DrawWorld();
    EXPECT_TRUE(view->Buffer() == back) << "not the frame of the gas as it is";
}

} // namespace
