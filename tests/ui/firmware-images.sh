# Firmware image files for the end-to-end scripts (sourced).

u32() { printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)))"; }

# make_image FILE BODY-BYTES VERSION [DEVICE-TYPE]: a firmware image, by default of the supported device type.
make_image() {
  size=$(($2 + 28))
  {
    printf 'FW01'; u32 $size; u32 3735928559; u32 "$3"; u32 "${4:-3201}"; u32 24
    head -c "$2" /dev/urandom
    u32 3735928559
  } >"$1"
}
