# Installation and the Debian package. `cmake --install` lays the program
# directory out as the build's dist/ (without tests and benchmarks) under
# <prefix>/lib/zav-diagnostics/, with links to the programs in <prefix>/bin;
# the programs find their files relative to /proc/self/exe, which names the
# link's target. Desktop entry, icons, AppStream metainfo, manual pages and
# the package's documents come from packaging/.
set(ZAV_PACKAGE_NAME zav-diagnostics)
set(ZAV_INSTALL_PROGRAM_DIR lib/${ZAV_PACKAGE_NAME})
set(ZAV_INSTALL_DOC_DIR share/doc/${ZAV_PACKAGE_NAME})
set(ZAV_APP_ID com.kestrune.ZAVDiagnostics)
set(ZAV_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ZAV_PACKAGING_BUILD_DIR ${PROJECT_BINARY_DIR}/packaging)
set(ZAV_ICON_SVG ${PROJECT_SOURCE_DIR}/window/icons/zav-diagnostics.svg)

# The programs, the libraries they bind at run time and the language modules.
set(ZAV_INSTALLED_PROGRAMS zavdiag zavsim)
if(TARGET ZAVDiagnostics)
  list(PREPEND ZAV_INSTALLED_PROGRAMS ZAVDiagnostics)
endif()
install(TARGETS ${ZAV_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${ZAV_INSTALL_PROGRAM_DIR})
install(TARGETS ZavtekVLP zav_serial LIBRARY DESTINATION ${ZAV_INSTALL_PROGRAM_DIR})
get_property(ZAV_LANGUAGE_MODULES TARGET zav_lang_modules PROPERTY MANUALLY_ADDED_DEPENDENCIES)
install(TARGETS ${ZAV_LANGUAGE_MODULES} LIBRARY DESTINATION ${ZAV_INSTALL_PROGRAM_DIR}/Lang)

# The data the build puts beside them. Only the stand-in images are taken
# from simulator/, so nothing else copied there by hand is ever installed.
install(FILES ${ZAV_DIST_DIR}/ISO-639-2_utf-8.txt DESTINATION ${ZAV_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${ZAV_DIST_DIR}/simulator DESTINATION ${ZAV_INSTALL_PROGRAM_DIR}
  FILES_MATCHING PATTERN "*_ram_ut.rx1")
install(DIRECTORY ${ZAV_DIST_DIR}/_tmphhp DESTINATION ${ZAV_INSTALL_PROGRAM_DIR} OPTIONAL)

# <prefix>/bin/<program> -> ../lib/zav-diagnostics/<program>
foreach(program IN LISTS ZAV_INSTALLED_PROGRAMS)
  set(link ${ZAV_PACKAGING_BUILD_DIR}/bin/${program})
  file(MAKE_DIRECTORY ${ZAV_PACKAGING_BUILD_DIR}/bin)
  file(CREATE_LINK ../${ZAV_INSTALL_PROGRAM_DIR}/${program} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION bin)
endforeach()

# Manual pages, compressed as Debian wants them (gzip -9, no name or time
# stamp, so the package is reproducible).
find_program(ZAV_GZIP gzip REQUIRED)
set(ZAV_MAN_PAGES zavdiag zavsim)
if(TARGET ZAVDiagnostics)
  list(APPEND ZAV_MAN_PAGES ZAVDiagnostics)
endif()
set(ZAV_COMPRESSED_DOCS)
foreach(page IN LISTS ZAV_MAN_PAGES)
  set(source ${ZAV_PACKAGING_DIR}/man/${page}.1)
  set(compressed ${ZAV_PACKAGING_BUILD_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZAV_PACKAGING_BUILD_DIR}/man
    COMMAND ${ZAV_GZIP} -9nc ${source} > ${compressed}
    DEPENDS ${source} VERBATIM)
  list(APPEND ZAV_COMPRESSED_DOCS ${compressed})
  install(FILES ${compressed} DESTINATION share/man/man1)
endforeach()

# The package's documents: copyright as it is, the change log compressed.
set(ZAV_CHANGELOG ${ZAV_PACKAGING_BUILD_DIR}/changelog.gz)
add_custom_command(OUTPUT ${ZAV_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZAV_PACKAGING_BUILD_DIR}
  COMMAND ${ZAV_GZIP} -9nc ${ZAV_PACKAGING_DIR}/changelog > ${ZAV_CHANGELOG}
  DEPENDS ${ZAV_PACKAGING_DIR}/changelog VERBATIM)
list(APPEND ZAV_COMPRESSED_DOCS ${ZAV_CHANGELOG})
install(FILES ${ZAV_PACKAGING_DIR}/copyright ${ZAV_CHANGELOG} DESTINATION ${ZAV_INSTALL_DOC_DIR})
install(FILES ${ZAV_PACKAGING_DIR}/README.Debian DESTINATION ${ZAV_INSTALL_DOC_DIR})

# The desktop program's menu entry, icon in every size and AppStream data.
set(ZAV_ICON_PNGS)
if(TARGET ZAVDiagnostics)
  install(FILES ${ZAV_PACKAGING_DIR}/${ZAV_APP_ID}.desktop DESTINATION share/applications)
  install(FILES ${ZAV_PACKAGING_DIR}/${ZAV_APP_ID}.metainfo.xml DESTINATION share/metainfo)
  if(EXISTS ${ZAV_ICON_SVG})
    install(FILES ${ZAV_ICON_SVG} DESTINATION share/icons/hicolor/scalable/apps)
    find_program(ZAV_RSVG_CONVERT rsvg-convert)
    if(ZAV_RSVG_CONVERT)
      foreach(size 48 256)
        set(png ${ZAV_PACKAGING_BUILD_DIR}/icons/${size}/zav-diagnostics.png)
        add_custom_command(OUTPUT ${png}
          COMMAND ${CMAKE_COMMAND} -E make_directory ${ZAV_PACKAGING_BUILD_DIR}/icons/${size}
          COMMAND ${ZAV_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${ZAV_ICON_SVG}
          DEPENDS ${ZAV_ICON_SVG} VERBATIM)
        list(APPEND ZAV_ICON_PNGS ${png})
        install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
      endforeach()
    else()
      message(STATUS "rsvg-convert not found: the package gets no PNG icons (scripts/setup installs it)")
    endif()
  endif()
endif()
add_custom_target(zav_packaging_files ALL DEPENDS ${ZAV_COMPRESSED_DOCS} ${ZAV_ICON_PNGS})

# The Debian package: zav-diagnostics_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ZAV_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kestrune Ltd")
set(CPACK_PACKAGE_CONTACT "Kestrune Ltd <dev@kestrune.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "service tool for ZAV banknote validators")
file(READ ${ZAV_PACKAGING_DIR}/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
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
# The desktop program draws its SVG icon through Qt's SVG plugins, which no
# binary links.
if(TARGET ZAVDiagnostics)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
endif()
include(CPack)
