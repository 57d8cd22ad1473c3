# Installation and the Debian packages. `cmake --install` lays the program
# directory out as the build's dist/ (without tests and benchmarks) under
# <prefix>/lib/zav-diagnostics/, with links to the programs in <prefix>/bin;
# the programs find their files relative to /proc/self/exe, which names the
# link's target. Desktop entry, icons, AppStream metainfo, manual pages and
# the packages' documents come from packaging/.
#
# Two packages from the one build, each an install component:
#   cli      zav-diagnostics-cli: zavdiag and zavsim with everything they
#            load, on Qt Core alone, so a machine without a display installs
#            no X, GL or GTK library for them
#   desktop  zav-diagnostics: the desktop program, its manual and what a
#            desktop shows of it; depends on the cli package of its version
set(ZAV_PACKAGE_NAME zav-diagnostics)
set(ZAV_CLI_PACKAGE_NAME zav-diagnostics-cli)
set(ZAV_INSTALL_PROGRAM_DIR lib/${ZAV_PACKAGE_NAME})
set(ZAV_APP_ID com.kestrune.ZAVDiagnostics)
set(ZAV_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ZAV_PACKAGING_BUILD_DIR ${PROJECT_BINARY_DIR}/packaging)
set(ZAV_ICON_SVG ${PROJECT_SOURCE_DIR}/window/icons/zav-diagnostics.svg)
set(ZAV_COMPONENTS cli)
if(TARGET ZAVDiagnostics)
  list(APPEND ZAV_COMPONENTS desktop)
endif()
find_program(ZAV_GZIP gzip REQUIRED)
set(ZAV_COMPRESSED_DOCS)

# zav_install_program(TARGET COMPONENT): a program in the program directory,
# its link in <prefix>/bin and its manual page, compressed as Debian wants
# them (gzip -9, no name or time stamp, so the package is reproducible).
function(zav_install_program program component)
  install(TARGETS ${program} RUNTIME DESTINATION ${ZAV_INSTALL_PROGRAM_DIR}
    COMPONENT ${component})
  # <prefix>/bin/<program> -> ../lib/zav-diagnostics/<program>
  set(link ${ZAV_PACKAGING_BUILD_DIR}/bin/${program})
  file(MAKE_DIRECTORY ${ZAV_PACKAGING_BUILD_DIR}/bin)
  file(CREATE_LINK ../${ZAV_INSTALL_PROGRAM_DIR}/${program} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION bin COMPONENT ${component})
  set(source ${ZAV_PACKAGING_DIR}/man/${program}.1)
  set(compressed ${ZAV_PACKAGING_BUILD_DIR}/man/${program}.1.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZAV_PACKAGING_BUILD_DIR}/man
    COMMAND ${ZAV_GZIP} -9nc ${source} > ${compressed}
    DEPENDS ${source} VERBATIM)
  install(FILES ${compressed} DESTINATION share/man/man1 COMPONENT ${component})
  set(ZAV_COMPRESSED_DOCS ${ZAV_COMPRESSED_DOCS} ${compressed} PARENT_SCOPE)
endfunction()

# The command line: the programs, the libraries they bind at run time, the
# language modules, the translations of our own texts and the data the build puts beside them. Only the
# stand-in images are taken from simulator/, so nothing else copied there by
# hand is ever installed.
zav_install_program(zavdiag cli)
zav_install_program(zavsim cli)
install(TARGETS ZavtekVLP zav_serial LIBRARY DESTINATION ${ZAV_INSTALL_PROGRAM_DIR} COMPONENT cli)
get_property(ZAV_LANGUAGE_MODULES TARGET zav_lang_modules PROPERTY MANUALLY_ADDED_DEPENDENCIES)
install(TARGETS ${ZAV_LANGUAGE_MODULES} LIBRARY DESTINATION ${ZAV_INSTALL_PROGRAM_DIR}/Lang
  COMPONENT cli)
install(DIRECTORY ${ZAV_DIST_DIR}/translations DESTINATION ${ZAV_INSTALL_PROGRAM_DIR}
  COMPONENT cli FILES_MATCHING PATTERN "zav_*.qm")
install(FILES ${ZAV_DIST_DIR}/ISO-639-2_utf-8.txt DESTINATION ${ZAV_INSTALL_PROGRAM_DIR}
  COMPONENT cli)
# The simulator's stand-in RAM utilities and program images, for training
# runs and for trying the program download on a simulated unit.
install(DIRECTORY ${ZAV_DIST_DIR}/simulator DESTINATION ${ZAV_INSTALL_PROGRAM_DIR}
  COMPONENT cli FILES_MATCHING PATTERN "*_ram_ut.rx1" PATTERN "*_program.zav")

# The desktop program, its manual, menu entry, icon in every size and
# AppStream data.
set(ZAV_ICON_PNGS)
if(TARGET ZAVDiagnostics)
  zav_install_program(ZAVDiagnostics desktop)
  install(DIRECTORY ${ZAV_DIST_DIR}/_tmphhp DESTINATION ${ZAV_INSTALL_PROGRAM_DIR}
    COMPONENT desktop)
  install(FILES ${ZAV_PACKAGING_DIR}/${ZAV_APP_ID}.desktop DESTINATION share/applications
    COMPONENT desktop)
  install(FILES ${ZAV_PACKAGING_DIR}/${ZAV_APP_ID}.metainfo.xml DESTINATION share/metainfo
    COMPONENT desktop)
  if(EXISTS ${ZAV_ICON_SVG})
    install(FILES ${ZAV_ICON_SVG} DESTINATION share/icons/hicolor/scalable/apps
      COMPONENT desktop)
    find_program(ZAV_RSVG_CONVERT rsvg-convert)
    if(ZAV_RSVG_CONVERT)
      foreach(size 48 256)
        set(png ${ZAV_PACKAGING_BUILD_DIR}/icons/${size}/zav-diagnostics.png)
        add_custom_command(OUTPUT ${png}
          COMMAND ${CMAKE_COMMAND} -E make_directory ${ZAV_PACKAGING_BUILD_DIR}/icons/${size}
          COMMAND ${ZAV_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${ZAV_ICON_SVG}
          DEPENDS ${ZAV_ICON_SVG} VERBATIM)
        list(APPEND ZAV_ICON_PNGS ${png})
        install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps
          COMPONENT desktop)
      endforeach()
    else()
      message(STATUS "rsvg-convert not found: the package gets no PNG icons (scripts/setup installs it)")
    endif()
  endif()
endif()

# Each package's documents: copyright as it is, the change log compressed;
# README.Debian (serial ports, RAM-utility files) with the command line,
# which every install has.
set(ZAV_CHANGELOG ${ZAV_PACKAGING_BUILD_DIR}/changelog.gz)
add_custom_command(OUTPUT ${ZAV_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZAV_PACKAGING_BUILD_DIR}
  COMMAND ${ZAV_GZIP} -9nc ${ZAV_PACKAGING_DIR}/changelog > ${ZAV_CHANGELOG}
  DEPENDS ${ZAV_PACKAGING_DIR}/changelog VERBATIM)
list(APPEND ZAV_COMPRESSED_DOCS ${ZAV_CHANGELOG})
install(FILES ${ZAV_PACKAGING_DIR}/copyright ${ZAV_CHANGELOG} ${ZAV_PACKAGING_DIR}/README.Debian
  DESTINATION share/doc/${ZAV_CLI_PACKAGE_NAME} COMPONENT cli)
if(TARGET ZAVDiagnostics)
  install(FILES ${ZAV_PACKAGING_DIR}/copyright ${ZAV_CHANGELOG}
    DESTINATION share/doc/${ZAV_PACKAGE_NAME} COMPONENT desktop)
endif()
add_custom_target(zav_packaging_files ALL DEPENDS ${ZAV_COMPRESSED_DOCS} ${ZAV_ICON_PNGS})

# The Debian packages: <name>_<version>_<arch>.deb, one per component.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${ZAV_COMPONENTS})
set(CPACK_PACKAGE_NAME ${ZAV_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kestrune Ltd")
set(CPACK_PACKAGE_CONTACT "Kestrune Ltd <dev@kestrune.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# No maintainer scripts. CPack would write a postinst and a postrm calling
# ldconfig for any library under /usr/lib, but ours are private, found
# through the programs' run path ($ORIGIN), so the cache has nothing to
# learn (lintian: maintscript-calls-ldconfig). Naming scripts of those names
# that do not exist stops CPack writing its own and adds none.
set(ZAV_NO_MAINTAINER_SCRIPTS ${ZAV_PACKAGING_BUILD_DIR}/no-maintainer-scripts/postinst
  ${ZAV_PACKAGING_BUILD_DIR}/no-maintainer-scripts/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${ZAV_NO_MAINTAINER_SCRIPTS}")

# Each description: its package's summary line, what both packages are
# (description.txt), then what this one holds.
file(READ ${ZAV_PACKAGING_DIR}/description.txt ZAV_DESCRIPTION)
file(READ ${ZAV_PACKAGING_DIR}/description-cli.txt ZAV_CLI_DESCRIPTION)
set(CPACK_DEBIAN_CLI_PACKAGE_NAME ${ZAV_CLI_PACKAGE_NAME})
set(CPACK_DEBIAN_CLI_DESCRIPTION
  "service tool for ZAV banknote validators, command line\n${ZAV_DESCRIPTION}\n${ZAV_CLI_DESCRIPTION}")
# Qt's database drivers are plugins, loaded when the service history opens,
# so no library dependency names them: SQLite for the history on this
# computer, PostgreSQL for a service centre's server.
set(CPACK_DEBIAN_CLI_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_CLI_PACKAGE_RECOMMENDS "libqt6sql6-psql")
if(TARGET ZAVDiagnostics)
  file(READ ${ZAV_PACKAGING_DIR}/description-desktop.txt ZAV_DESKTOP_DESCRIPTION)
  set(CPACK_DEBIAN_DESKTOP_PACKAGE_NAME ${ZAV_PACKAGE_NAME})
  set(CPACK_DEBIAN_DESKTOP_DESCRIPTION
    "service tool for ZAV banknote validators, desktop program\n${ZAV_DESCRIPTION}\n${ZAV_DESKTOP_DESCRIPTION}")
  # The command line of the same version, and Qt's SVG module, with which
  # the desktop program draws its icons: named here as well, so that the
  # package keeps it whatever the binary links.
  set(CPACK_DEBIAN_DESKTOP_PACKAGE_DEPENDS
    "${ZAV_CLI_PACKAGE_NAME} (= ${PROJECT_VERSION}), libqt6svg6")
endif()
include(CPack)
