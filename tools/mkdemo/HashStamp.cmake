# Writes the SHA-256 of BINARY into STAMP, but only when it differs from what
# STAMP holds: the stamp's time then changes only when the binary's contents
# do, and whatever depends on the stamp is made again only then.
file(SHA256 "${BINARY}" hash)
if(EXISTS "${STAMP}")
  file(READ "${STAMP}" old)
  if(old STREQUAL hash)
    return()
  endif()
endif()
file(WRITE "${STAMP}" "${hash}")
