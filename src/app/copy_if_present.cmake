# Copies SOURCE to DESTINATION when SOURCE exists (the help text is optional).
if(EXISTS "${SOURCE}")
  configure_file("${SOURCE}" "${DESTINATION}" COPYONLY)
endif()
