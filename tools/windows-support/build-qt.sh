#!/usr/bin/env bash
# Builds Qt for x86-64 Windows (mingw-w64, shared, release) from Debian's own qt6-base
# source and installs it into PREFIX. The host tools (moc, rcc, uic) are Debian's
# qt6-base-dev-tools, the same version.
#   build-qt.sh SOURCE-DIR BUILD-DIR PREFIX
# Features: Widgets, PrintSupport, Test and Network (the printing test talks to a
# QTcpServer). Left out: sql, dbus, opengl, vulkan, ICU, ssl, tablet events (Debian's
# source leaves out the wintab headers they need). Direct2D stays on: PrintSupport's
# DirectWrite engine does not link without it.
set -euo pipefail
src=$1 build=$2 prefix=$3
here="$(cd "$(dirname "$0")" && pwd)"
cmake -G Ninja -S "$src" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_pkg_config=OFF \
    -DFEATURE_sql=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_direct2d=ON \
    -DFEATURE_network=ON -DFEATURE_ssl=OFF -DFEATURE_schannel=OFF -DFEATURE_openssl=OFF \
    -DFEATURE_icu=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
    -DFEATURE_widgets=ON -DFEATURE_printsupport=ON -DFEATURE_testlib=ON \
    -DFEATURE_accessibility=ON -DFEATURE_tabletevent=OFF >"$build.configure.log"
cmake --build "$build" -j2
cmake --install "$build" >/dev/null
