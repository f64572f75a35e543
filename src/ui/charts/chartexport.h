#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QChartView;
class QPainter;
class QPrinter;
class QRectF;
class QWidget;

// Save, copy and print for one chart view: a context menu on the view, and
// three keys while it has the focus, which a click gives it (Ctrl+S save,
// Ctrl+C copy, Ctrl+P print), named in its tooltip. What leaves the program is the chart as
// drawn, without the focus frame. Any QChartView takes it in one call:
//   ChartExport::attach(view, tr("presion"));
class ChartExport : public QObject
{
    Q_OBJECT

public:
    // Attaches to view, as its child. fileStem is the name proposed for the
    // file, without extension.
    static ChartExport *attach(QChartView *view, const QString &fileStem);
    // The one attached to view, or null.
    static ChartExport *of(const QChartView *view);

    // The chart at the size shown, at the screen's pixel ratio.
    QImage image() const;
    // The chart as an SVG document of the size shown.
    QByteArray svg() const;
    // Writes the chart to path as a whole or not at all: SVG for ".svg", PNG
    // for ".png" or no extension, and the other image types Qt writes by
    // their extension. On failure the file is left as it was and *error
    // says why.
    bool save(const QString &path, QString *error) const;
    // Puts the picture on the clipboard, with its SVG beside it for programs
    // that take vectors.
    void copy() const;
    // Draws the chart across the printer's page, keeping its proportions.
    // False (and why) if the printer cannot be drawn on.
    bool print(QPrinter &printer, QString *error) const;

    // The user's commands: ask (a file name, a printer), then do; a failure
    // is said in a message box, and a cancel does nothing.
    void saveAs();
    void printAsked();

    QAction *saveAction() const { return m_save; }
    QAction *copyAction() const { return m_copy; }
    QAction *printAction() const { return m_print; }

    // The dialogs, replaceable (tests answer them without a modal window);
    // an empty function restores the default. Each returns the previous one.
    // Asks for a file name, proposing `suggested`; empty cancels.
    using PathAsker = std::function<QString(QWidget *parent, const QString &suggested)>;
    static PathAsker setPathAsker(PathAsker asker);
    // Sets up the printer; false cancels.
    using PrinterAsker = std::function<bool(QPrinter &printer, QWidget *parent)>;
    static PrinterAsker setPrinterAsker(PrinterAsker asker);

private:
    ChartExport(QChartView *view, const QString &fileStem);
    QString title() const;
    void render(QPainter &painter, const QRectF &target) const;

    QChartView *m_view;
    QString m_stem;
    QAction *m_save;
    QAction *m_copy;
    QAction *m_print;
};
