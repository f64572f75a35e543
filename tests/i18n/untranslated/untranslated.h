// Not compiled: a text that no catalogue translates, for the check's own test.
#include <QObject>

class Untranslated : public QObject
{
    Q_OBJECT
    QString text() const { return tr("Texto sin traducción"); }
};
