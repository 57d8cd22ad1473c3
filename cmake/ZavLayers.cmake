# Logic libraries never touch Qt Widgets: neither a widget header, by any
# spelling, nor a link to Qt6::Widgets. Windows live in window/ libraries.

set_property(GLOBAL PROPERTY ZAV_LOGIC_LIBRARIES "")

# zav_logic_library(target): marks a library as logic. Its sources see a
# Qt Widgets header that stops the build, ahead of Qt's real one; its links
# are checked once every target exists (zav_check_logic_libraries).
function(zav_logic_library target)
  target_include_directories(${target} BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/no_widgets)
  set_property(GLOBAL APPEND PROPERTY ZAV_LOGIC_LIBRARIES ${target})
endfunction()

# Walks the link libraries of `target` and of the project's targets it
# links, and stops the configuration when one of them is Qt6::Widgets.
function(zav_refuse_widgets_link logic target visited)
  if(target IN_LIST ${visited})
    return()
  endif()
  list(APPEND ${visited} ${target})
  set(${visited} ${${visited}} PARENT_SCOPE)
  get_target_property(type ${target} TYPE)
  set(links)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(direct ${target} LINK_LIBRARIES)
    if(direct)
      list(APPEND links ${direct})
    endif()
  endif()
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  if(interface)
    list(APPEND links ${interface})
  endif()
  foreach(link IN LISTS links)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
    if(link STREQUAL "Qt6::Widgets" OR link STREQUAL "Qt::Widgets")
      message(FATAL_ERROR "${logic} is a logic library but links Qt Widgets (through ${target})")
    endif()
    if(TARGET ${link} AND NOT link MATCHES "^Qt")
      zav_refuse_widgets_link(${logic} ${link} ${visited})
      set(${visited} ${${visited}} PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

function(zav_check_logic_libraries)
  get_property(logic_libraries GLOBAL PROPERTY ZAV_LOGIC_LIBRARIES)
  foreach(logic IN LISTS logic_libraries)
    set(visited)
    zav_refuse_widgets_link(${logic} ${logic} visited)
  endforeach()
endfunction()
