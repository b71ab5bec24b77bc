#!/usr/bin/env bash
# The licence texts that go with the Windows setup program, and the Debian source
# packages it is made from.
#   windows-licences.sh stage DEST   copies the texts into DEST as Windows text files
#                                    (.txt, CR LF), BUILT-FROM.txt among them
#   windows-licences.sh sources      prints the source packages, "name version" a line
# The setup program ships Qt (qt6-base, built from Debian's source), Qt's translation
# (qt6-translations-l10n), the MinGW-w64 runtime and the IPA fonts; THIRD_PARTY_NOTICES
# lists the files this makes.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"

# name version of the source package a binary package is built from.
source_of() {
    dpkg-query -W -f='${source:Package} ${source:Version}\n' "$1"
}

sources() {
    # Qt for Windows is built from the newest qt6-base source that apt knows (as
    # tools/windows does); without deb-src lines, the source of the host tools.
    local qt
    qt=$(apt-cache showsrc qt6-base 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -1)
    if [ -n "$qt" ]; then echo "qt6-base $qt"; else source_of qt6-base-dev-tools; fi
    source_of qt6-translations-l10n
    source_of gcc-mingw-w64-x86-64-posix-runtime
    source_of mingw-w64-x86-64-dev
    source_of fonts-ipafont-gothic
}

# windows_text FROM TO: a copy with CR LF line ends.
windows_text() {
    sed 's/\r$//; s/$/\r/' "$1" >"$2"
}

stage() {
    local dest=$1
    mkdir -p "$dest"
    windows_text "$repo/LICENSE" "$dest/LICENSE.txt"
    windows_text "$repo/THIRD_PARTY_NOTICES" "$dest/THIRD_PARTY_NOTICES.txt"
    windows_text /usr/share/common-licenses/LGPL-3 "$dest/LGPL-3.txt"
    windows_text /usr/share/common-licenses/GPL-3 "$dest/GPL-3.txt"
    windows_text /usr/share/doc/libqt6core6/copyright "$dest/Qt-copyright.txt"
    windows_text /usr/share/doc/qt6-translations-l10n/copyright "$dest/Qt-translations-copyright.txt"
    windows_text /usr/share/doc/gcc-mingw-w64-base/copyright "$dest/GCC-copyright.txt"
    windows_text /usr/share/doc/mingw-w64-common/copyright "$dest/MinGW-w64-copyright.txt"
    windows_text /usr/share/doc/fonts-ipafont-gothic/copyright "$dest/IPA-Font-License.txt"
    {
        echo "gaikyo $(sed -n 's/^project(gaikyo VERSION \([^ ]*\) .*/\1/p' "$repo/CMakeLists.txt")"
        echo "The setup program was made from these Debian source packages (name version):"
        sources
        echo "Each is at https://snapshot.debian.org/package/<name>/<version>/ and in the"
        echo "folder \"sources\" published with the setup program."
    } >"$dest/BUILT-FROM.tmp"
    windows_text "$dest/BUILT-FROM.tmp" "$dest/BUILT-FROM.txt"
    rm "$dest/BUILT-FROM.tmp"
}

case "${1:-}" in
stage) stage "${2:?usage: windows-licences.sh stage DEST}" ;;
sources) sources ;;
*)
    echo "usage: windows-licences.sh stage DEST | sources" >&2
    exit 2
    ;;
esac
