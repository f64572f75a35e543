// Molvix entry point. For now it opens the software scene view on its own,
// with the box outline and a ring of particles, until the main window lands.
#include "vx3dworld.h"

#include <QApplication>
#include <QEvent>

#include <cmath>

namespace {

constexpr TColor kGreen = 0x008000;
constexpr TColor kYellow = 0x00FFFF;

// Keeps the view's geometry and picture in step with its window size.
class ViewSizer : public QObject
{
public:
    explicit ViewSizer(TVx3DWorld *view) : QObject(view), m_view(view) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_view && event->type() == QEvent::Resize) {
            m_view->UpdateWorldSize();
            m_view->ProjectAll();
            m_view->DrawWorld();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TVx3DWorld *m_view;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Molvix"));

    TVx3DWorld view;
    view.setWindowTitle(QStringLiteral("Molvix"));
    view.resize(334, 338);
    view.Zoom = 0.6f;
    view.Alfa = 30;
    view.Beta = 20;
    view.UpdateWorldSize();
    constexpr int kParticles = 24;
    view.AddNParticles(kParticles, 1, 3, 0, 0, 0, kYellow, 0);
    view.NParticles = kParticles;
    view.SetCube(kGreen, true);
    for (int i = 1; i <= kParticles; ++i) {
        const double a = 2.0 * M_PI * i / kParticles;
        view.MoveParticle(i, static_cast<float>(50 + 40 * std::cos(a)), 50.0f,
                          static_cast<float>(50 + 40 * std::sin(a)));
    }
    view.installEventFilter(new ViewSizer(&view));
    view.show();
    view.DrawWorld();
    return QApplication::exec();
}
