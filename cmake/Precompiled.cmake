# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Numbrella developers
# Precompiled headers: the Qt and standard headers that nearly every file includes are parsed
# once per library instead of once per file; tests/CMakeLists.txt does the same for the tests,
# with one precompiled header for all logic tests and one for all window tests.
# A file must still include what it uses: NUMBRELLA_PCH=OFF builds without them.
option(NUMBRELLA_PCH "Precompile the Qt headers that most files include" ON)

set(NUMBRELLA_PCH_CORE <QByteArray> <QDateTime> <QDir> <QFile> <QString> <QStringList>
  <functional> <memory> <optional> <utility> <vector>)
set(NUMBRELLA_PCH_WIDGETS ${NUMBRELLA_PCH_CORE} <QApplication> <QCloseEvent> <QKeyEvent> <QLabel>
  <QPainter> <QPointer> <QPushButton> <QTimer> <QWidget>)

# ccache takes a compile that uses a precompiled header only when told to overlook the
# header's fresh time stamp and the macros it defines (set here, before any target is made).
if(NUMBRELLA_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "(^|/)ccache$")
  set(CMAKE_CXX_COMPILER_LAUNCHER env
    CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

# Called once the libraries exist.
function(numbrella_precompile_libraries)
  if(NOT NUMBRELLA_PCH)
    return()
  endif()
  target_precompile_headers(numbrella_logic PRIVATE ${NUMBRELLA_PCH_CORE})
  if(TARGET numbrella_ui)
    target_precompile_headers(numbrella_ui PRIVATE ${NUMBRELLA_PCH_WIDGETS})
    target_precompile_headers(numbrella_app REUSE_FROM numbrella_ui)
  endif()
endfunction()
