# Run by CPack over the files it is about to package: Debian keeps manual pages and changelogs
# gzipped with the most compression and without the time of compression (so that the same
# sources give the same package). A file already compressed is left as it is.
file(GLOB_RECURSE uncompressed
     ${CPACK_TEMPORARY_DIRECTORY}/usr/share/man/*
     ${CPACK_TEMPORARY_DIRECTORY}/usr/share/doc/quorvia/changelog)
list(FILTER uncompressed EXCLUDE REGEX "\\.gz$")
foreach(file IN LISTS uncompressed)
    execute_process(COMMAND gzip -9 -n -f ${file} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip could not compress ${file}")
    endif()
endforeach()
