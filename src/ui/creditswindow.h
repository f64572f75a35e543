#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The credits window "Autores": a text page with the authors and a picture
// page, shown in the same place. It lives for the whole run; the main window
// shows, hides and resets it through the public controls.
class TForm3 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    // Switches to the picture page; Label1 stays above the picture.
    void BtnGrupoClick();

    // Back to the text page: the picture hides first, then the text page's
    // controls show in their reading order.
    void showTextPage();

    QLabel *Label1;
    QLabel *Label2;
    QLabel *ImageGrupo;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label9;
    QLabel *Label10;
    QLabel *Label11;
    QPushButton *BtnGrupo;

private:
    // Label2 to Label11, then BtnGrupo: the text page below the first heading.
    QList<QWidget *> textPage() const;
};
