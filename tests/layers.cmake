# Fails when a file of the core includes from a layer above its own. The
# layers, bottom first: tools/ <- library/ <- burnlist/ <- production/; app/
# and cli/ sit on top. settings/ stands apart: it may use tools/ and
# library/, and no layer of the core uses it. production/ may use joinwav/'s
# plain C++ join (the player hears what joinwav makes).
#   cmake -DSOURCE_DIR=<repository> -P layers.cmake
cmake_minimum_required(VERSION 3.21)
set(allowed_tools tools)
set(allowed_library tools library)
set(allowed_burnlist tools library burnlist)
set(allowed_production tools library burnlist production joinwav)
set(allowed_settings tools library settings)

set(violations "")
foreach(layer tools library burnlist production settings)
  file(GLOB sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source ${sources})
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" folder "${line}")
      if(NOT folder IN_LIST allowed_${layer})
        string(APPEND violations "  ${source}: ${line}\n")
      endif()
    endforeach()
    # Sound is the window's: the core plays nothing.
    file(STRINGS "${SOURCE_DIR}/${source}" sound REGEX "^[ \t]*#[ \t]*include[ \t]*<(QtMultimedia|QAudio|QMedia)")
    foreach(line ${sound})
      string(APPEND violations "  ${source}: ${line}\n")
    endforeach()
  endforeach()
endforeach()
if(violations)
  message(FATAL_ERROR "Includes from a higher layer (or of Qt Multimedia):\n${violations}")
endif()
message(STATUS "Every include of the core stays within its layer or below")
