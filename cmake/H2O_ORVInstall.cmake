# What `cmake --install` puts under the prefix: the program with its desktop
# entry and icon, and the two libraries with their public headers and a CMake
# package, so that another project can write find_package(H2O_ORV) and link
# H2O::TFS or H2O::Tabl1.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(H2O_ORV_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/H2O_ORV)

install(TARGETS TFS Tabl1 EXPORT H2O_ORVTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/H2O_ORV
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/H2O_ORV)  # for consumers before CMake 3.23
install(EXPORT H2O_ORVTargets NAMESPACE H2O:: DESTINATION ${H2O_ORV_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/H2O_ORVConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_LIST_DIR}/H2O_ORVConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/H2O_ORVConfigVersion.cmake
  DESTINATION ${H2O_ORV_PACKAGE_DIR})

if(TARGET h2o)
  install(TARGETS h2o RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/cli/h2o.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The Calc extension, for LibreOffice's Extension Manager or `unopkg add`.
if(TARGET h2o_oxt)
  install(FILES ${H2O_OXT} DESTINATION ${CMAKE_INSTALL_DATADIR}/H2O_ORV)
endif()

if(TARGET p_H2O_ORV)
  install(TARGETS p_H2O_ORV RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/resources/p_H2O_ORV.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # The menu names the program by the window's title, read from the window's
  # description so that the two cannot drift apart.
  set(H2O_ORV_UI ${PROJECT_SOURCE_DIR}/resources/u_H2O_ORV.ui)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${H2O_ORV_UI})
  file(STRINGS ${H2O_ORV_UI} title_line REGEX "name=\"windowTitle\"")
  if(NOT title_line MATCHES "<string>([^<&\"]+)</string>")
    message(FATAL_ERROR "no plain windowTitle in ${H2O_ORV_UI}")
  endif()
  # The entry starts the program by its full path, so the prefix is only known
  # at install time (cmake --install --prefix may differ from the configured one).
  set(H2O_ORV_DESKTOP_ENTRY ${CMAKE_CURRENT_BINARY_DIR}/p_H2O_ORV.desktop)
  install(CODE "
    set(WINDOW_TITLE \"${CMAKE_MATCH_1}\")
    set(PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/p_H2O_ORV\")
    configure_file(\"${PROJECT_SOURCE_DIR}/resources/p_H2O_ORV.desktop.in\"
                   \"${H2O_ORV_DESKTOP_ENTRY}\" @ONLY)")
  install(FILES ${H2O_ORV_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()
