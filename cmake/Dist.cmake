# The release archive. `cmake --build --preset win64 --target dist` (or win32) writes
# build/dist/Velmora-<version>-<win64|win32>.zip, which holds one folder of the same name with
# the stripped program, the user guide in Japanese as README.txt and the license as LICENSE.txt:
# an unzipper that extracts "here" makes that folder instead of scattering the three files.
# The build tree keeps the unstripped Velmora.exe, whose symbols read the addresses of the
# shipped one (stripping moves no code).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VELMORA_ARCH win64)
else()
  set(VELMORA_ARCH win32)
endif()
set(VELMORA_DIST_DIR ${PROJECT_SOURCE_DIR}/build/dist CACHE PATH
  "Folder that the dist target writes the release archive into")
set(dist_name Velmora-${PROJECT_VERSION}-${VELMORA_ARCH})
set(dist_archive ${VELMORA_DIST_DIR}/${dist_name}.zip)
set(dist_stage ${CMAKE_BINARY_DIR}/dist)
set(dist_folder ${dist_stage}/${dist_name})
set(dist_texts ${CMAKE_BINARY_DIR}/dist-texts)

# The texts are for Notepad, which is what opens a .txt file on a user's machine: UTF-8 with a
# byte-order mark, because Notepad before Windows 10 1903 reads a file without one in the system
# code page, and CRLF line ends, because Notepad before Windows 10 1809 breaks lines only there.
# The names in the archive are ASCII: Explorer reads a name without the zip's UTF-8 flag in the
# system code page, and not every unzipper honours the flag.
string(ASCII 239 187 191 utf8_bom)
file(READ ${PROJECT_SOURCE_DIR}/docs/guide-ja.txt guide)
file(CONFIGURE OUTPUT ${dist_texts}/README.txt CONTENT "${utf8_bom}${guide}" @ONLY
  NEWLINE_STYLE CRLF)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
file(CONFIGURE OUTPUT ${dist_texts}/LICENSE.txt CONTENT "${license}" @ONLY NEWLINE_STYLE CRLF)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/docs/guide-ja.txt ${PROJECT_SOURCE_DIR}/LICENSE)

set(dist_program ${dist_folder}/Velmora.exe)
if(CMAKE_STRIP)
  set(dist_copy_program ${CMAKE_STRIP} --strip-all -o ${dist_program} $<TARGET_FILE:Velmora>)
else()  # MSVC keeps its symbols in a .pdb of their own
  set(dist_copy_program ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Velmora> ${dist_program})
endif()
add_custom_command(OUTPUT ${dist_archive}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${dist_stage} ${dist_archive}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${dist_folder} ${VELMORA_DIST_DIR}
  COMMAND ${dist_copy_program}
  COMMAND ${CMAKE_COMMAND} -E copy ${dist_texts}/README.txt ${dist_texts}/LICENSE.txt ${dist_folder}
  COMMAND ${CMAKE_COMMAND} -E chdir ${dist_stage}
    ${CMAKE_COMMAND} -E tar cf ${dist_archive} --format=zip ${dist_name}
  DEPENDS Velmora ${dist_texts}/README.txt ${dist_texts}/LICENSE.txt
  COMMENT "Packing ${dist_archive}"
  VERBATIM)
add_custom_target(dist DEPENDS ${dist_archive})
