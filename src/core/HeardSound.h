#pragma once

#include <QCoreApplication>
#include <QString>

namespace orvanta {

// What the output's monitor heard while a message played, measured against the message's file:
// the proof that the message left the PC audible and whole.
struct HeardSound
{
    Q_DECLARE_TR_FUNCTIONS(orvanta::HeardSound)

public:
    // Below this level (dBFS) a stretch counts as silence.
    static constexpr double SilenceDb = -50;
    // The sound heard must last at least this share of the file's.
    static constexpr double LeastShare = 0.95;
    // A silence of this length inside the sound is a gap.
    static constexpr int GapMs = 100;
    // Samples at full scale beyond the file's, as a share of the samples heard: clipping.
    static constexpr double ClippedShare = 0.001;

    double seconds = 0;     // from the first to the last sound heard
    double fileSeconds = 0; // from the first to the last sound of the file
    double peakDb = -120;
    double rmsDb = -120; // over the sound heard
    QString problem;     // empty: heard whole

    bool whole() const { return problem.isEmpty(); }
    // "-3.1 dBFS peak, -18.4 dBFS RMS, 2.41 s"
    QString levelText() const;
};

} // namespace orvanta
