#pragma once

#include <QString>
#include <QtGlobal>

// What happens on which tick of the intro. Counted in ticks, not wall time:
// a machine that delivers ticks late plays the same sequence more slowly.
namespace introtimeline {

constexpr int timer1Interval = 10; // ms
constexpr int timer2Interval = 65; // ms

constexpr int flightStartLeft = 10080; // laid-out place of the flying letter
constexpr int flightWrapLeft = 10000;
constexpr int flightStep = 200;
constexpr int titleLength = 12;

constexpr int revealSteps = 13;
constexpr int firstRevealTime = 6200; // ms, step 1
constexpr int revealSpacing = 200;    // ms between steps
// The tick on which the last step shows; the buttons swap on it.
constexpr int lastRevealTick =
    (firstRevealTime + (revealSteps - 1) * revealSpacing) / timer1Interval;

constexpr int lettuceFrames = 8;

// The k-th letter (1-12) of the title, in lower case as the letter files
// are named.
QString titleLetter(int k);

struct FlightMove {
    int left;
    bool wrapped;
};
// One flight step; a letter reaching Left 0 or less starts again at the
// right within the same tick, so it is never drawn there.
FlightMove moveFlyingLetter(int left);

// What the flying letter does after a wrap, by the number of passes done.
struct FlightChange {
    enum Kind { Keep, ShowLetter, EndFlight } kind;
    int letter; // title letter for ShowLetter
};
FlightChange flightChangeAfterPass(int passes);

// Passes counted on after the flight only up to the first one that changes
// nothing, so the counter can never overflow.
qint16 nextPass(qint16 passes);

// Ticks likewise stop counting once the reveal is over: the nominal time
// takte × interval then stays far inside 32 bits.
qint32 nextTick(qint32 takte);

// The reveal step (1-13) that shows at this tick count, 0 for none.
int revealStepAt(qint32 takte);

// Lettuce-head frame shown by Timer2 for the counter value, its successor.
QString lettuceFramePath(int kopfNr);
qint16 nextLettuceFrame(qint16 kopfNr);

} // namespace introtimeline
