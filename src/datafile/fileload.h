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
        Cut,     // every value was read, but a text ends in half a character
    };
    Outcome outcome = Outcome::Missing;
    QString windowsPath;
    // Damaged: why, as a sentence.
    QString reason;
    // Short: the first line the file lacks (one value a line).
    int missingFromLine = 0;
    // Cut: the line whose text ends in the first byte of a character without its second.
    int cutLine = 0;

    bool loaded() const { return outcome == Outcome::Loaded; }
    // Damaged, short or cut: the file is there, but not whole.
    bool damaged() const {
        return outcome == Outcome::Damaged || outcome == Outcome::Short || outcome == Outcome::Cut;
    }
    // Every value was read, though a cut file holds one that cannot be written back.
    bool readWhole() const { return outcome == Outcome::Loaded || outcome == Outcome::Cut; }

    // What is wrong with a damaged or short file, naming it; empty otherwise.
    QString problem() const;
    // For a screen that shows what a damaged or short file held and may save over it.
    QString shownInPartMessage() const;
};

} // namespace gaikyo
