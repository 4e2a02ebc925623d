# Installing Teclomatic like any desktop program (GNUInstallDirs layout):
#   bin/teclomatic
#   share/teclomatic/        Modulos/, the sounds and Ajuda.html
#   share/applications/, share/metainfo/, share/icons/hicolor/
#   share/man/man1/teclomatic.1.gz, share/doc/teclomatic/
# The program looks for its read-only files beside the executable first (a
# portable application folder), then in share/teclomatic (CaminhoRecurso).
# Included after the Teclomatic target, the assets and the modules exist.

set(TECLOMATIC_ID io.github.teclomatic.teclomatic)
set(TECLOMATIC_URL "https://github.com/teclomatic/teclomatic" CACHE STRING
  "Project home page, named in the package and the AppStream metadata")
set(TECLOMATIC_URL_ARQUIVOS "https://raw.githubusercontent.com/teclomatic/teclomatic/main" CACHE STRING
  "Where the repository's files (the screenshots) can be fetched from")
set(TECLOMATIC_LICENCA "GPL-3.0-or-later")
set(TECLOMATIC_CONTATO "Teclomatic maintainers <maintainers@users.noreply.c-seed-7de5c93b.example>")

set(TECLOMATIC_DATADIR ${CMAKE_INSTALL_DATADIR}/teclomatic)
set(TECLOMATIC_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/teclomatic)

# Where the installed program finds its data: compiled in for the configured
# prefix, and relative to the executable so an installed tree that was moved
# (or installed with `cmake --install --prefix`) still works.
file(RELATIVE_PATH _dados_relativo ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/teclomatic)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/app/PastaAplicacao.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  TECLOMATIC_DADOS="${CMAKE_INSTALL_FULL_DATADIR}/teclomatic"
  TECLOMATIC_DADOS_RELATIVO="${_dados_relativo}")

# The executable keeps its name in the application folder (build/app/
# Teclomatic) and is installed under the usual lower-case command name.
install(PROGRAMS $<TARGET_FILE:Teclomatic> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME teclomatic)
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
      --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/teclomatic\")
  endif()")

# The modules (sound player, local socket, Wayland keymap), in the program's
# own library folder; found from the executable the same two ways as the data.
set(TECLOMATIC_LIBEXECDIR ${CMAKE_INSTALL_LIBDIR}/teclomatic)
file(RELATIVE_PATH _modulos_relativo ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/teclomatic)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/app/platform/ServicosReais.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  TECLOMATIC_MODULOS="${CMAKE_INSTALL_FULL_LIBDIR}/teclomatic"
  TECLOMATIC_MODULOS_RELATIVO="${_modulos_relativo}")
set(_modulos teclomatic_som teclomatic_instancia)
if(TARGET teclomatic_wayland)
  list(APPEND _modulos teclomatic_wayland)
endif()
foreach(_modulo ${_modulos})
  install(TARGETS ${_modulo} LIBRARY DESTINATION ${TECLOMATIC_LIBEXECDIR})
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
        --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TECLOMATIC_LIBEXECDIR}/${_modulo}.so\")
    endif()")
  add_dependencies(Teclomatic ${_modulo})
endforeach()

install(DIRECTORY ${TECLOMATIC_APP_DIR}/Modulos DESTINATION ${TECLOMATIC_DATADIR}
  FILES_MATCHING PATTERN "mod*.mod")
install(FILES ${TECLOMATIC_SOUNDS} ${TECLOMATIC_HELP} DESTINATION ${TECLOMATIC_DATADIR})

# Desktop integration.
set(_pacote ${CMAKE_SOURCE_DIR}/packaging)
configure_file(${_pacote}/${TECLOMATIC_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${TECLOMATIC_ID}.metainfo.xml @ONLY)
install(FILES ${_pacote}/${TECLOMATIC_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TECLOMATIC_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_pacote}/icons/teclomatic.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${TECLOMATIC_ID}.svg)
install(DIRECTORY ${_pacote}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
  FILES_MATCHING PATTERN "*.png")

# The manual page and the changelog, compressed the way Debian wants them
# (maximum compression, no name or time stamp in the gzip header).
configure_file(${_pacote}/debian/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
find_program(TECLOMATIC_GZIP gzip)
set(_comprimidos)
foreach(par "${_pacote}/teclomatic.1|teclomatic.1" "${CMAKE_BINARY_DIR}/packaging/changelog|changelog")
  string(REPLACE "|" ";" par "${par}")
  list(GET par 0 origem)
  list(GET par 1 nome)
  set(destino ${CMAKE_BINARY_DIR}/packaging/gz/${nome})
  if(TECLOMATIC_GZIP)
    add_custom_command(OUTPUT ${destino}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${origem} ${destino}
      COMMAND ${TECLOMATIC_GZIP} -9nf ${destino}
      DEPENDS ${origem} VERBATIM)
    list(APPEND _comprimidos ${destino}.gz)
  else()
    configure_file(${origem} ${destino} COPYONLY)
    list(APPEND _comprimidos ${destino})
  endif()
endforeach()
add_custom_target(teclomatic_documentos ALL DEPENDS ${_comprimidos})
list(GET _comprimidos 0 _manual)
list(GET _comprimidos 1 _changelog)
install(FILES ${_manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_changelog} ${_pacote}/debian/copyright DESTINATION ${TECLOMATIC_DOCDIR})
install(FILES ${_pacote}/debian/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME teclomatic)
