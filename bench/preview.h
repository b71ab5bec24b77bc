#pragma once

namespace gaikyo::bench {

// The child process of the preview figure: starts the program to its main menu, opens
// the print screen of company 1 and shows the print preview the given number of times,
// each time drawn whole and closed. Prints on stdout the resident memory at the main
// menu, the peak, and the resident memory after the last preview closed (kilobytes).
int runPreviewChild(int argc, char* argv[], int previews);

} // namespace gaikyo::bench
