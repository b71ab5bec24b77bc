#!/usr/bin/env bash
# Stages the Windows program with what it needs at run time and makes the setup program.
#   make-setup.sh BUILD-DIR QT-DIR MINGW-RUNTIME-DIR   → BUILD-DIR/gaikyo-setup.exe
# There is no windeployqt in qtbase: the list is here. The program links Qt Core, Gui,
# Widgets and PrintSupport; Qt 6 prints on Windows inside PrintSupport itself.
set -euo pipefail
build=$1 qt=$2 runtime=$3
repo="$(cd "$(dirname "$0")/../.." && pwd)"
setup=$build/setup
stage=$setup/stage
rm -rf "$setup"
mkdir -p "$stage"/{plugins/platforms,plugins/styles,plugins/imageformats,translations,fonts}
cp "$build/src/gaikyo.exe" "$stage/"
x86_64-w64-mingw32-strip "$stage/gaikyo.exe"
for library in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do
    cp "$qt/bin/$library.dll" "$stage/"
done
for library in libgcc_s_seh-1 libstdc++-6 libwinpthread-1; do
    cp "$runtime/$library.dll" "$stage/" 2>/dev/null ||
        cp "/usr/x86_64-w64-mingw32/lib/$library.dll" "$stage/"
done
cp "$qt/plugins/platforms/qwindows.dll" "$stage/plugins/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/plugins/styles/"
cp "$qt"/plugins/imageformats/*.dll "$stage/plugins/imageformats/"
# Qt's own buttons and dialogs in Japanese (Debian's qt6-translations-l10n).
cp /usr/share/qt6/translations/qtbase_ja.qm "$stage/translations/"
printf '[Paths]\r\nPrefix = .\r\nPlugins = plugins\r\nTranslations = translations\r\n' >"$stage/qt.conf"
# The IPA fonts the prints use (fonts-ipafont), with their licence: the program loads
# them from here, so that a print looks the same on every computer.
cp /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf \
    /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf /usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf \
    "$stage/fonts/"
cp /usr/share/doc/fonts-ipafont-gothic/copyright "$stage/fonts/IPA_Font_License.txt"
cp /usr/share/doc/fonts-ipafont-gothic/Readme_IPAfont00303.txt "$stage/fonts/"
cp "$repo/packaging/windows/gaikyo.ico" "$setup/"
# The licences and the list of the sources the setup program is made from.
if [ -f "$repo/packaging/windows-licences.sh" ]; then
    bash "$repo/packaging/windows-licences.sh" stage "$stage/licences"
fi

# The uninstaller removes exactly the staged files, then the folders they were in.
{
    (cd "$stage" && find . -type f | sort) | sed 's|^\./||; s|/|\\|g; s|^|  Delete "$INSTDIR\\|; s|$|"|'
    (cd "$stage" && find . -mindepth 1 -type d | sort -r) | sed 's|^\./||; s|/|\\|g; s|^|  RMDir "$INSTDIR\\|; s|$|"|'
} >"$setup/uninstall-files.nsh"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
IFS=. read -r major minor patch tweak <<<"$version"
version4="${major:-0}.${minor:-0}.${patch:-0}.${tweak:-0}"
makensis -V2 -INPUTCHARSET UTF8 "-DSTAGE=$stage" "-DVERSION=$version" "-DVERSION4=$version4" \
    "-DOUTFILE=$build/gaikyo-setup.exe" "$repo/packaging/windows/gaikyo.nsi"
ls -l "$build/gaikyo-setup.exe"
