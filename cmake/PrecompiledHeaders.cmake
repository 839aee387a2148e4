# Precompiled headers: the Qt and standard headers most files include, compiled once for each
# group of targets that share compile options, and reused by the other targets of the group.
# A file still includes what it uses; with VELMORA_PCH off every file compiles on its own.
option(VELMORA_PCH "Precompile the headers most files include" ON)

set(velmora_pch_common <algorithm> <cstdint> <functional> <memory> <optional> <string> <vector>)
set(velmora_pch_qt ${velmora_pch_common}
  <QAction> <QApplication> <QDialog> <QFile> <QImage> <QKeyEvent> <QLineEdit> <QMenu>
  <QMouseEvent> <QObject> <QPainter> <QPixmap> <QPlainTextEdit> <QPushButton> <QRegion>
  <QScreen> <QString> <QStringList> <QTimer> <QWidget>)
# Groups: the Qt libraries of src/; the Qt test programs; the plain test programs.
set(velmora_pch_qt_library ${velmora_pch_qt})
set(velmora_pch_qt_test ${velmora_pch_qt} <gtest/gtest.h> <QSignalSpy> <QTest>)
set(velmora_pch_plain_test ${velmora_pch_common} <gtest/gtest.h> <filesystem> <span> <string_view>)

# The first target of a group compiles the group's header; the others reuse it.
function(velmora_precompile_headers target group)
  if(NOT VELMORA_PCH)
    return()
  endif()
  get_property(owner GLOBAL PROPERTY velmora_pch_owner_${group})
  if(owner)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  else()
    target_precompile_headers(${target} PRIVATE ${velmora_pch_${group}})
    set_property(GLOBAL PROPERTY velmora_pch_owner_${group} ${target})
  endif()
endfunction()
