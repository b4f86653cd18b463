#!/usr/bin/env bash
# install_test.sh BUILD ROOT CHECK: one check of an installation of BUILD made below ROOT.
set -euo pipefail
build=$1
root=$2
check=$3
app_id=io.github.vantrel.Vantrel
# Installed in one place and moved to another: the programs must find their files anyway.
prefix=$root/moved

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The file and folder paths a catalogue stores, one a line.
stored_paths() {
    sqlite3 "$1" "select p from (
        select emul1 p from tabella1 union all select df1 from tabella1
        union all select df2 from tabella1 union all select df3 from tabella1
        union all select song from tabella1 union all select screen1 from tabella1
        union all select screen2 from tabella1 union all select game64 from tabella2
        union all select music64 from tabella2 union all select screen64 from tabella2
        union all select gameamiga from tabella2 union all select musicamiga from tabella2
        union all select screenamiga from tabella2) where p <> ''"
}

setup() {
    rm -rf "$root/installed" "$prefix" "$root/home"
    cmake --install "$build" --prefix "$root/installed" >/dev/null
    mv "$root/installed" "$prefix"
}

seed() {
    export HOME=$root/home XDG_DATA_HOME=$root/home/data XDG_CONFIG_HOME=$root/home/config
    local data=$XDG_DATA_HOME/vantrel list games count=0
    [ "$("$prefix/bin/vantrel" --version)" = "vantrel 0.1.0" ] || fail "vantrel --version"
    list=$("$prefix/bin/vantrel" --list 2>"$root/$check.err") || fail "vantrel --list exited with $?"
    [ ! -s "$root/$check.err" ] || fail "vantrel --list wrote: $(cat "$root/$check.err")"
    [ -f "$data/commodore.mdb" ] || fail "no catalogue in $data"
    games=$(sqlite3 "$prefix/share/vantrel/sample.mdb" "select count(*) from tabella1")
    [ "$(printf '%s\n' "$list" | wc -l)" -eq "$games" ] || fail "--list shows not all $games games"
    while IFS= read -r path; do
        case $path in "$data/sample/"*) ;; *) fail "$path lies outside $data/sample" ;; esac
        [ -e "$path" ] || fail "$path is missing"
        count=$((count + 1))
    done < <(stored_paths "$data/commodore.mdb")
    [ "$count" -gt 20 ] || fail "only $count stored paths"
    # The next run keeps the user's catalogue.
    sqlite3 "$data/commodore.mdb" "update tabella1 set titolo = 'Changed Title'
                                   where id = (select min(id) from tabella1)"
    list=$("$prefix/bin/vantrel" --list)
    grep -q $'\tChanged Title$' <<<"$list" || fail "the second run lost the changed title"
    # Installed into the data home itself (prefix ~/.local): the user still gets a catalogue
    # of their own, and the installed sample stays as it was.
    XDG_DATA_HOME=$prefix/share "$prefix/bin/vantrel" --list >/dev/null
    [ -f "$prefix/share/vantrel/commodore.mdb" ] || fail "no catalogue beside the shared files"
    cmp -s "$prefix/share/vantrel/sample.mdb" "$build/data/commodore.mdb" ||
        fail "the installed sample changed"
}

# The legacy reader lies in libexec and is found from the moved installation.
legacy() {
    local converted=$root/converted.mdb
    rm -f "$converted"
    "$prefix/bin/merrow" --convert-legacy "$LEGACY_FIXTURE" "$converted" >/dev/null \
        2>"$root/$check.err" || fail "merrow --convert-legacy: $(cat "$root/$check.err")"
    [ -x "$prefix/libexec/vantrel/vantrel-jet-reader" ] || fail "no reader in libexec/vantrel"
    [ "$(sqlite3 "$converted" "select count(*) from tabella1")" -eq 40 ] ||
        fail "the converted catalogue lacks games"
    rm -f "$converted"
}

desktop() {
    local out share=$prefix/share
    out=$(desktop-file-validate "$share/applications/$app_id.desktop" 2>&1) || fail "$out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" >/dev/null ||
        fail "appstreamcli validate: $(appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml")"
    [ -f "$share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
    for size in 48 64 128 256; do
        [[ $(file "$share/icons/hicolor/${size}x$size/apps/$app_id.png") == \
            *"PNG image data, $size x $size,"* ]] || fail "no ${size}x$size icon"
    done
}

manual() {
    for page in vantrel merrow; do
        man --warnings -l "$prefix/share/man/man1/$page.1" >/dev/null 2>"$root/$check.err" ||
            fail "man $page exited with $?"
        [ ! -s "$root/$check.err" ] || fail "man $page: $(cat "$root/$check.err")"
    done
}

package() {
    local deb contents
    rm -rf "$root/package"
    cpack --config "$build/CPackConfig.cmake" -B "$root/package" >/dev/null
    deb=$(echo "$root"/package/vantrel_0.1.0_*.deb)
    [ -f "$deb" ] || fail "no package in $root/package"
    contents=$(dpkg-deb -c "$deb")
    for file in bin/vantrel bin/merrow share/vantrel/sample.mdb share/vantrel/readme.txt \
        share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
        share/icons/hicolor/scalable/apps/$app_id.svg \
        share/icons/hicolor/256x256/apps/$app_id.png \
        share/man/man1/vantrel.1 share/man/man1/merrow.1 libexec/vantrel/vantrel-jet-reader; do
        grep -q " \./usr/$file\$" <<<"$contents" || fail "the package lacks /usr/$file"
    done
    [ "$(grep -c ' \./usr/share/vantrel/sample/.*[^/]$' <<<"$contents")" -eq \
        "$(find "$build/bin/sample" -type f | wc -l)" ] ||
        fail "the package lacks sample files"
    [[ $(dpkg-deb -f "$deb" Depends) == *libqt6widgets6* ]] || fail "no library dependencies"
    [[ $(dpkg-deb -f "$deb" Depends) == *libmdb3* ]] || fail "no dependency on the Jet library"
    rm -rf "$root/package"
}

cleanup() {
    rm -rf "$root/installed" "$prefix" "$root/home" "$root"/*.err
}

"$check"
