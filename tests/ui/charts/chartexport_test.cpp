// Charts that leave the program: saved as PNG or SVG by the name's
// extension, copied, printed; by the keys of the chart that has the focus
// and from its menu; the folder of the last file saved proposed next.
#include "chartexport.h"
#include "historychartview.h"
#include "savefolder.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QImageReader>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

int count(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        n += image.pixel(i % image.width(), i / image.width()) == colour ? 1 : 0;
    }
    return n;
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Two history charts side by side, each with its export, in an active window.
class ChartExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        molvix::ui::lastSaveFolder().clear();
        auto *row = new QHBoxLayout(&window);
        for (HistoryChartView *c : {&pressure, &temperature}) {
            c->setHistory({{20, 3000}, {40, 3500}, {60, 3200}}, {30});
            c->setFixedSize(400, 200);
            row->addWidget(c);
        }
        pressure.setAccessibleName(QStringLiteral("Historia de la presión"));
        ChartExport::attach(&pressure, QStringLiteral("presion"));
        ChartExport::attach(&temperature, QStringLiteral("temperatura"));
        activate();
        // As the window shows it, before anything has the focus (and its frame).
        shown = rgb(pressure.viewport()->grab().toImage());
        ChartExport::setPathAsker([this](QWidget *, const QString &proposed) {
            proposals << proposed;
            return answer;
        });
    }
    void TearDown() override
    {
        ChartExport::setPathAsker({});
        ChartExport::setPrinterAsker({});
    }
    // (The offscreen platform gives a window back no activation after a box.)
    void activate()
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QString file(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    static void press(QWidget *chart, Qt::Key key)
    {
        QTest::keyClick(chart, key, Qt::ControlModifier);
    }

    QWidget window;
    HistoryChartView pressure{QStringLiteral("Presión"), QColor(0, 0, 128)};
    HistoryChartView temperature{QStringLiteral("Temperatura"), QColor(192, 0, 0)}; // same keys
    QImage shown;
    QTemporaryDir dir;
    QString answer;        // what the save dialog answers
    QStringList proposals; // what it was offered
};

TEST_F(ChartExportTest, SavedAsTheNamesExtensionSaysOrRefusedWithAReason)
{
    ASSERT_GT(count(shown, qRgb(0, 0, 128)), 100) << "the line";
    ASSERT_GT(count(shown, qRgb(128, 128, 128)), 10) << "the mark at a change";
    const struct
    {
        const char *name, *format; // null: refused, nothing written
    } cases[] = {{"a.png", "png"}, {"sin-extension", "png"}, {"b.SVG", "svg"},
                 {"d.bmp", "bmp"}, {"e.xyz", nullptr},       {"a.png/f.png", nullptr}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_EQ(ChartExport::of(&pressure)->save(file(c.name), &error), c.format != nullptr);
        QFile written(file(c.name));
        if (!c.format) {
            EXPECT_FALSE(error.isEmpty() || written.exists());
            continue;
        }
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << qPrintable(error);
        QByteArray bytes = written.readAll();
        if (QByteArray(c.format) != "svg") {
            QBuffer buffer(&bytes);
            QImageReader reader(&buffer);
            EXPECT_EQ(reader.format(), QByteArray(c.format));
            EXPECT_TRUE(rgb(reader.read()) == shown) << "the chart as shown, pixel for pixel";
            continue;
        }
        // It parses, at the size shown, and writes the chart's texts as text.
        QSvgRenderer svg(bytes);
        EXPECT_TRUE(svg.isValid());
        for (const char *text : {"<title>Historia de la presión</title>", ">Presión</text>",
                                 ">4000</text>", ">20</text>", ">60</text>"}) {
            EXPECT_TRUE(bytes.contains(text)) << text;
        }
        EXPECT_EQ(svg.viewBox(), QRect(0, 0, 400, 200));
    }
}

TEST_F(ChartExportTest, KeysActOnTheChartClickedWithoutItsFocusFrame)
{
    QTest::mouseClick(pressure.viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    ASSERT_TRUE(pressure.hasFocus()) << "a click gives the chart the keyboard";
    for (const char *keys : {"Ctrl+S", "Ctrl+C", "Ctrl+P"}) {
        EXPECT_TRUE(pressure.toolTip().contains(QLatin1String(keys))) << keys;
    }
    // Saved: first proposed at home, then where the last file went; a
    // failure says where, and the folder is not remembered.
    QString message;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    poll.start(10);
    for (const char *name : {"presion.png", "a.png/b.png", ""}) {
        answer = *name ? file(name) : QString(); // "": cancelled
        press(&pressure, Qt::Key_S);
        activate();
    }
    EXPECT_EQ(proposals, (QStringList{QDir::home().filePath(QStringLiteral("presion.png")),
                                      file("presion.png"), file("presion.png")}));
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(file("a.png/b.png"))));
    EXPECT_TRUE(rgb(QImage(file("presion.png"))) == shown) << "no focus frame";

    QGuiApplication::clipboard()->clear();
    press(&pressure, Qt::Key_C);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied != nullptr && copied->hasImage());
    EXPECT_TRUE(rgb(qvariant_cast<QImage>(copied->imageData())) == shown);
    EXPECT_TRUE(copied->data(QStringLiteral("image/svg+xml")).contains("<svg"));

    // Printed, to a PDF: cancelled, nothing; accepted, one page named after
    // the chart (a PDF string in UTF-16), with the chart's texts on it.
    const QString pdf = file("grafica.pdf");
    bool accept = false;
    ChartExport::setPrinterAsker([&](QPrinter &printer, QWidget *) {
        printer.setOutputFileName(pdf);
        return accept;
    });
    press(&pressure, Qt::Key_P);
    EXPECT_FALSE(QFile::exists(pdf));
    accept = true;
    press(&pressure, Qt::Key_P);
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray bytes = printed.readAll();
    QByteArray title("\xFE\xFF");
    for (const QChar c : QStringLiteral("Historia de la presión")) {
        title += char(c.unicode() >> 8);
        title += char(c.unicode() & 0xFF);
    }
    EXPECT_TRUE(bytes.startsWith("%PDF-") && bytes.contains(title) && bytes.contains("/FontFile2"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
}

TEST_F(ChartExportTest, ItsMenuOffersTheThreeWithTheirKeys)
{
    QStringList offered;
    QTimer::singleShot(0, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *a : menu->actions()) {
                offered << a->text() + u' ' + a->shortcut().toString();
            }
            menu->close();
        }
    });
    const QPoint at(30, 30);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, pressure.viewport()->mapToGlobal(at));
    QApplication::sendEvent(pressure.viewport(), &event);
    EXPECT_EQ(offered, (QStringList{QString::fromUtf8("Guardar como imagen… Ctrl+S"),
                                    QString::fromUtf8("Copiar imagen Ctrl+C"),
                                    QString::fromUtf8("Imprimir… Ctrl+P")}));
}

} // namespace
