# Installs into a scratch prefix and checks that the desktop finds the program, its menu entry,
# its icons and its AppStream data.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path
        bin/vorlank
        share/applications/org.vorlank.Vorlank.desktop
        share/metainfo/org.vorlank.Vorlank.metainfo.xml
        share/icons/hicolor/16x16/apps/org.vorlank.Vorlank.png
        share/icons/hicolor/256x256/apps/org.vorlank.Vorlank.png
        share/icons/hicolor/scalable/apps/org.vorlank.Vorlank.svg)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
