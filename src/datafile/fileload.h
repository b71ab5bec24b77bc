#pragma once

#include <QString>

namespace gaikyo {

// How reading a data file went, with the file named as the user knows it.
struct FileLoad {
    enum class Outcome {
        Loaded,  // every value the reader needs was read
        Missing, // no file: nothing has been saved yet
        Damaged, // there is something, but it cannot be read as a data file
        Short,   // the file ends before the last value the reader needs
    };
    Outcome outcome = Outcome::Missing;
    QString windowsPath;
    // Damaged: why, as a sentence.
    QString reason;
    // Short: the first line the file lacks (one value a line).
    int missingFromLine = 0;

    bool loaded() const { return outcome == Outcome::Loaded; }
    // Damaged or short: the file is there, but not whole.
    bool damaged() const { return outcome == Outcome::Damaged || outcome == Outcome::Short; }

    // What is wrong with a damaged or short file, naming it; empty otherwise.
    QString problem() const;
    // For a screen that shows what a damaged or short file held and may save over it.
    QString shownInPartMessage() const;
};

} // namespace gaikyo
