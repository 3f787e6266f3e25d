# cmake -DSRC=... -DDST=... -P copy_if_absent.cmake
if(NOT EXISTS "${DST}")
  file(COPY_FILE "${SRC}" "${DST}")
endif()
