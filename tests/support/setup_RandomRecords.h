// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRandomGenerator>

// Random parameter file records for comparing two ways of loading them. Most
// can be shown (a few entries hold a value no option stands for); many bytes
// repeat the record before, so that sliders that keep their position and
// boxes that keep their state are met often.
class RandomRecords {
public:
    explicit RandomRecords(quint32 seed) : random_(seed) {}

    QByteArray next();

private:
    int below(int bound) { return static_cast<int>(random_.bounded(bound)); }
    bool chance(int percent) { return below(100) < percent; }
    int byteFor(int index);
    QByteArray comment();

    QRandomGenerator random_;
    QByteArray previous_;
};
