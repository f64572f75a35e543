#pragma once

// What the screenshot tools share: the language the picture is taken in,
// from --lang only (never the system's, so that the picture does not depend
// on the machine), and the arguments left once it is set aside.
#include "language.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace molvix::bench {

// Installs the --lang language (Spanish without one); false, said on
// standard error, when there is no translation for it.
inline bool installArgumentLanguage(const QStringList &args)
{
    using namespace molvix::i18n;
    const LanguageChoice language = chooseLanguage(args, {}, availableLanguages());
    if (!language.unknown.isEmpty() || !installTranslation(language.language)) {
        std::fprintf(stderr, "no translation for that language (there are %s)\n",
                     qPrintable(availableLanguages().join(u'|')));
        return false;
    }
    return true;
}

// The arguments after the program's name, less --lang and its value.
inline QStringList argumentsBesideLanguage(const QStringList &args)
{
    QStringList rest;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--lang")) {
            ++i;
        } else if (!args.at(i).startsWith(QLatin1String("--lang="))) {
            rest << args.at(i);
        }
    }
    return rest;
}

// The picture's path (`fallback` without one) and whether `flag` was given,
// from the arguments beside --lang.
struct PathAndFlag
{
    QString path;
    bool flag = false;
};
inline PathAndFlag pathAndFlag(const QStringList &args, const QString &fallback,
                               QLatin1String flag)
{
    PathAndFlag out{fallback};
    for (const QString &arg : argumentsBesideLanguage(args)) {
        if (arg == flag) {
            out.flag = true;
        } else {
            out.path = arg;
        }
    }
    return out;
}

// Runs the animation until the condition holds or the seconds are up. (An
// event loop of its own: QTest::qWait sleeps between its rounds of events,
// which would starve the 1 ms animation timer.)
inline bool animateUntil(const std::function<bool()> &done, double seconds)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done() || clock.elapsed() > seconds * 1000) {
            loop.quit();
        }
    });
    poll.start(20);
    loop.exec();
    return done();
}

} // namespace molvix::bench
