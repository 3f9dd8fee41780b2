# What `cmake --install` lays under the prefix, in two components:
#   programs     bin/tarvel and bin/orvane with their desktop entries and icons, and the command
#                line bin/nfse with its manual page and bash completion (the Debian package);
#   development  the document bindings as static libraries, their headers and the CMake package
#                NfseTools, so another project writes find_package(NfseTools CONFIG REQUIRED).
# Tests, benchmarks and test drivers stay in the build tree.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(NFSE_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/NfseTools)
set(NFSE_LIBRARIES files binding shared_types cancel_documents query_documents)  # shared_types: headers only

# Consumers compile our headers: they need C++20 and, since they may build shared objects of their
# own, position-independent archives.
target_compile_features(binding INTERFACE cxx_std_20)
set_target_properties(${NFSE_LIBRARIES} PROPERTIES POSITION_INDEPENDENT_CODE ON)

# Debug information names the folders a file was built in; the installed copy of a target drops it
# (symbols stay), so the installed tree holds no build path. The build tree keeps it for debugging.
function(nfse_install_without_debug_info target destination component)
  get_target_property(type ${target} TYPE)
  if(CMAKE_STRIP AND NOT type STREQUAL "INTERFACE_LIBRARY")
    set(file "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/$<TARGET_FILE_NAME:${target}>")
    install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug \"${file}\"
                                  COMMAND_ERROR_IS_FATAL ANY)"
      COMPONENT ${component})
  endif()
endfunction()

install(TARGETS ${NFSE_LIBRARIES} EXPORT NfseToolsTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
foreach(library IN LISTS NFSE_LIBRARIES)
  nfse_install_without_debug_info(${library} ${CMAKE_INSTALL_LIBDIR} development)
endforeach()

# Each library folder's headers keep their folder, so "cancel_documents/cancel_documents.h" reads
# the same inside and outside the project. Private headers stay out: binding/xml.h (the layer's
# view of libxml2), binding/node_state.h, binding/text_detail.h (what its text conversions
# share), files/platform.h (the files layer's view of the operating system) and files/testing.h.
foreach(folder IN LISTS NFSE_LIBRARIES)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder}/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${folder} COMPONENT development
    FILES_MATCHING PATTERN "*.h"
    PATTERN "tests" EXCLUDE
    REGEX "/binding/(xml|node_state|text_detail)\\.h$" EXCLUDE
    REGEX "/files/(platform|testing)\\.h$" EXCLUDE)
endforeach()

install(EXPORT NfseToolsTargets NAMESPACE NfseTools::
  DESTINATION ${NFSE_PACKAGE_DIR} COMPONENT development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/NfseToolsConfig.cmake.in
  ${PROJECT_BINARY_DIR}/NfseToolsConfig.cmake INSTALL_DESTINATION ${NFSE_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/NfseToolsConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/NfseToolsConfig.cmake
              ${PROJECT_BINARY_DIR}/NfseToolsConfigVersion.cmake
  DESTINATION ${NFSE_PACKAGE_DIR} COMPONENT development)

# A program, its desktop entry and its icon; the entry and the icon live in the program's folder.
function(nfse_install_program program folder)
  install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
  nfse_install_without_debug_info(${program} ${CMAKE_INSTALL_BINDIR} programs)
  install(FILES ${PROJECT_SOURCE_DIR}/${folder}/${program}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT programs)
  install(FILES ${PROJECT_SOURCE_DIR}/${folder}/${program}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT programs)
endfunction()

if(NFSE_BUILD_WINDOWS)
  nfse_install_program(tarvel cancel_tool)
  nfse_install_program(orvane query_tool)
endif()

# The command line needs no Qt: it is installed by every build, with its manual page and its bash
# completion (loaded on demand by bash-completion from its folder under the prefix).
install(TARGETS nfse RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
nfse_install_without_debug_info(nfse ${CMAKE_INSTALL_BINDIR} programs)
install(FILES ${PROJECT_SOURCE_DIR}/nfse/nfse.1
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT programs)
install(FILES ${PROJECT_SOURCE_DIR}/nfse/nfse.bash-completion RENAME nfse
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions COMPONENT programs)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
