# Run by CPack after it has installed the files into its staging directory and
# before it packs them: turns the plain install (PREFIX/bin, PREFIX/share/quillmoor)
# into Debian's layout for games. The game finds its data from its own path,
# BIN/../share/games/quillmoor, so nothing else changes.
set(stage "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${stage}/${CPACK_QM_BINDIR}")
  message(FATAL_ERROR "DebianLayout: no staged programs in ${stage}/${CPACK_QM_BINDIR}")
endif()

file(RENAME "${stage}/${CPACK_QM_BINDIR}" "${stage}/games")
file(MAKE_DIRECTORY "${stage}/${CPACK_QM_DATADIR}/games")
file(RENAME "${stage}/${CPACK_QM_DATADIR}/quillmoor" "${stage}/${CPACK_QM_DATADIR}/games/quillmoor")

set(man "${stage}/${CPACK_QM_MANDIR}/man6")
execute_process(COMMAND gzip -9nf "${man}/quillmoor.6" COMMAND_ERROR_IS_FATAL ANY)

set(doc "${stage}/${CPACK_QM_DATADIR}/doc/quillmoor")
file(MAKE_DIRECTORY "${doc}")
execute_process(COMMAND gzip -9n -c "${CPACK_QM_DIST_DIR}/changelog" OUTPUT_FILE "${doc}/changelog.gz"
  COMMAND_ERROR_IS_FATAL ANY)
file(COPY "${CPACK_QM_DIST_DIR}/copyright" DESTINATION "${doc}")
# The package wants 0755 directories and 0644 files whatever the umask was.
execute_process(COMMAND chmod -R u=rwX,go=rX "${stage}/${CPACK_QM_DATADIR}/doc" "${man}" COMMAND_ERROR_IS_FATAL ANY)
