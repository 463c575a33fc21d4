# Places where a data log cannot be written, made for real for the end-to-end scripts (sourced
# after their harness, which sets NAME, WORK and KIVRA_WINEPREFIX): a program folder on a small
# file system that fills while logging, a program folder that cannot be written, and a log
# file name taken by a folder. Mounting needs root; the scripts run as root, so permissions
# would not stop a write, and a read-only file system stands for a folder that cannot be
# written. Call unmount_places when the script ends.
mounted_places=""

unmount_places() {
  for dir in $mounted_places; do umount "$dir" 2>/dev/null; done
  mounted_places=""
}

# program_on_tmpfs DIR EXE ROOM: a file system of its own at DIR holding the program EXE and
# ROOM bytes of free space (rounded up to whole pages).
program_on_tmpfs() {
  dir=$1 exe=$2 room=$3
  mkdir -p "$dir"
  size=$(( ($(stat -c %s "$exe") + room + 4095) / 4096 * 4096 ))
  if ! mount -t tmpfs -o "size=$size" tmpfs "$dir"; then
    echo "$NAME: cannot mount a file system at $dir (the data log cases need root)"
    return 1
  fi
  mounted_places="$dir $mounted_places"
  cp "$exe" "$dir/"
}

# make_read_only DIR: the file system at DIR can no longer be written.
make_read_only() { mount -o remount,ro "$1"; }

# fill_leaving FILE BYTES: FILE takes the free space of its file system but BYTES, as rows of an
# earlier log that must stay as they are.
fill_leaving() {
  file=$1 leave=$2
  free=$(df -B1 --output=avail "$(dirname "$file")" | tail -n 1)
  awk -v n=$(( (free - leave) / 20 )) 'BEGIN { for (i = 0; i < n; i++) printf "%06d, earlier row\r\n", i }' >"$file"
}

# documents_folder: the user's documents folder of the prefix, made a folder of the script's
# work folder so that no run writes into the home folder it may stand for.
documents_folder() {
  docs=$(ls -d "$KIVRA_WINEPREFIX"/drive_c/users/*/Documents 2>/dev/null | grep -v /Public/ | head -n 1)
  if [ -n "$docs" ] && [ -L "$docs" ]; then
    mkdir -p "$WORK/documents"
    rm -f "$docs"
    ln -s "$WORK/documents" "$docs"
  fi
  readlink -f "$docs"
}

# whole_rows FILE FIELDS: every line of FILE is a whole data-log row of FIELDS fields, ended by CR LF.
whole_rows() {
  awk -v want="$2" '{ if ($0 !~ /\r$/ || split($0, f, ", ") != want) bad++ } END { exit !(NR > 0 && bad == 0) }' "$1"
}
