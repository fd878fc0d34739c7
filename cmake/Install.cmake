# Installs the libraries, their public headers, a CMake package and a pkg-config file, so a host
# can use find_package(XKRVendorPayTo 2.0) or pkg-config. Configure with BUILD_SHARED_LIBS=ON
# for shared libraries; the default build keeps them static for the tests and the fuzzers.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(XKR_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/XKRVendorPayTo)
set(XKR_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/XKRVendorPayTo)

# Both include roots: the core's headers keep their layer folders ("control/VendorPayTo.h"),
# the widget's header is reached as <XKRVendorPayTo/VendorPayToWidget.h>.
function(xkr_install_library target exportName exportSet)
  set_target_properties(${target} PROPERTIES
    EXPORT_NAME ${exportName}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    # The widget library finds the core beside it, wherever the prefix was moved.
    INSTALL_RPATH "$ORIGIN")
  target_include_directories(${target} PUBLIC
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    $<INSTALL_INTERFACE:${XKR_INSTALL_INCLUDEDIR}>)
  install(TARGETS ${target} EXPORT ${exportSet}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(EXPORT ${exportSet} NAMESPACE XKRVendorPayTo::
    FILE ${exportSet}.cmake DESTINATION ${XKR_INSTALL_CMAKEDIR})
endfunction()

xkr_install_library(xkr_core Core XKRVendorPayToCoreTargets)
foreach(layer common table view control)
  install(DIRECTORY src/${layer} DESTINATION ${XKR_INSTALL_INCLUDEDIR}
    FILES_MATCHING PATTERN "*.h")
endforeach()

if(TARGET xkr_qtcommon)
  xkr_install_library(xkr_qtcommon QtCommon XKRVendorPayToQtCommonTargets)
  # The translations are a resource inside the shared library; a static one brings them in
  # object libraries of their own.
  get_target_property(xkr_qtcommon_resources xkr_qtcommon XKR_RESOURCE_TARGETS)
  if(xkr_qtcommon_resources)
    install(TARGETS ${xkr_qtcommon_resources} EXPORT XKRVendorPayToQtCommonTargets
      OBJECTS DESTINATION ${CMAKE_INSTALL_LIBDIR})
  endif()
  install(DIRECTORY src/qtcommon/XKRVendorPayTo/ DESTINATION ${XKR_INSTALL_INCLUDEDIR}
    FILES_MATCHING PATTERN "*.h")
endif()

if(TARGET xkr_widgets)
  xkr_install_library(xkr_widgets Widgets XKRVendorPayToWidgetsTargets)
  install(DIRECTORY src/widgets/XKRVendorPayTo/ DESTINATION ${XKR_INSTALL_INCLUDEDIR}
    FILES_MATCHING PATTERN "*.h")
endif()

# The QML module, as an installed shared library: hosts add <prefix>/lib/qt6/qml to their QML
# import path (the package sets XKRVendorPayTo_QML_IMPORT_PATH to it). Its plugin finds the
# item's library three folders up. A static build's module is linked into its host instead.
set(XKR_INSTALL_QMLDIR ${CMAKE_INSTALL_LIBDIR}/qt6/qml)
if(TARGET xkr_quick AND BUILD_SHARED_LIBS)
  xkr_install_library(xkr_quick Quick XKRVendorPayToQuickTargets)
  install(DIRECTORY src/quick/XKRVendorPayTo/ DESTINATION ${XKR_INSTALL_INCLUDEDIR}
    FILES_MATCHING PATTERN "*.h")
  set_target_properties(xkr_quickplugin PROPERTIES INSTALL_RPATH "$ORIGIN/../../..")
  install(TARGETS xkr_quickplugin LIBRARY DESTINATION ${XKR_INSTALL_QMLDIR}/XKRVendorPayTo)
  install(FILES ${CMAKE_BINARY_DIR}/qml/XKRVendorPayTo/qmldir
                ${CMAKE_BINARY_DIR}/qml/XKRVendorPayTo/xkr_quick.qmltypes
          DESTINATION ${XKR_INSTALL_QMLDIR}/XKRVendorPayTo)
endif()

# Where Designer looks when QT_PLUGIN_PATH names <prefix>/lib/qt6/plugins; the plugin finds the
# widget library three folders up.
if(TARGET xkr_designer)
  set_target_properties(xkr_designer PROPERTIES INSTALL_RPATH "$ORIGIN/../../..")
  install(TARGETS xkr_designer LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/qt6/plugins/designer)
endif()

configure_package_config_file(cmake/XKRVendorPayToConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/XKRVendorPayToConfig.cmake
  INSTALL_DESTINATION ${XKR_INSTALL_CMAKEDIR}
  PATH_VARS XKR_INSTALL_QMLDIR)
# Hosts written against 2.0 keep working with any later 2.x.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/XKRVendorPayToConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/XKRVendorPayToConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/XKRVendorPayToConfigVersion.cmake
        DESTINATION ${XKR_INSTALL_CMAKEDIR})

# Relative to the .pc file, so the package still works after `cmake --install --prefix`.
file(RELATIVE_PATH XKR_PC_TO_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
string(REGEX REPLACE "/$" "" XKR_PC_TO_PREFIX "${XKR_PC_TO_PREFIX}")
configure_file(cmake/XKRVendorPayToCore.pc.in ${CMAKE_CURRENT_BINARY_DIR}/XKRVendorPayToCore.pc
  @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/XKRVendorPayToCore.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
