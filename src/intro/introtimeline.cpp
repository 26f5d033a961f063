#include "introtimeline.h"

#include "library/picturelibrary.h"

namespace introtimeline {

QString titleLetter(int k) {
    static const QString title = QStringLiteral("tintenfunkel");
    Q_ASSERT(k >= 1 && k <= titleLength);
    return title.mid(k - 1, 1);
}

FlightMove moveFlyingLetter(int left) {
    const int moved = left - flightStep;
    if (moved <= 0)
        return {flightWrapLeft, true};
    return {moved, false};
}

FlightChange flightChangeAfterPass(int passes) {
    if (passes >= 1 && passes < titleLength)
        return {FlightChange::ShowLetter, passes + 1};
    if (passes == titleLength)
        return {FlightChange::EndFlight, 0};
    return {FlightChange::Keep, 0};
}

qint16 nextPass(qint16 passes) {
    return passes <= titleLength ? qint16(passes + 1) : passes;
}

qint32 nextTick(qint32 takte) {
    return takte <= lastRevealTick ? takte + 1 : takte;
}

int revealStepAt(qint32 takte) {
    const qint64 t = qint64(takte) * timer1Interval;
    const qint64 fromFirst = t - firstRevealTime;
    if (fromFirst < 0 || fromFirst % revealSpacing != 0)
        return 0;
    const qint64 step = fromFirst / revealSpacing + 1;
    return step <= revealSteps ? int(step) : 0;
}

QString lettuceFramePath(int kopfNr) {
    return PictureLibrary::join(
        PictureLibrary::lettuceFolder,
        QStringLiteral("salatkopf %1 Kopie.jpg").arg(kopfNr + 1, 2, 10, QLatin1Char('0')));
}

qint16 nextLettuceFrame(qint16 kopfNr) {
    return kopfNr >= lettuceFrames - 1 ? 0 : qint16(kopfNr + 1);
}

} // namespace introtimeline
