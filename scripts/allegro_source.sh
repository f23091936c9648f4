# shellcheck shell=bash
# fetch_allegro_source DIR: puts Debian's allegro4.4 source (its .dsc and the upstream tarball)
# in DIR and checks the tarball against the .dsc's SHA-256. Uses an apt state of its own with
# deb-src lines made from the system's Debian sources, so the system's apt is left as it is.
# A tarball already in DIR that passes the check is kept.
ALLEGRO_SOURCE_VERSION=2:4.4.3.1-3
ALLEGRO_TARBALL=allegro4.4_4.4.3.1.orig.tar.gz

# The SHA-256 the .dsc gives for the tarball.
dsc_sha256() {
    awk -v f="$ALLEGRO_TARBALL" '/^Checksums-Sha256:/ { on = 1; next } /^[^ ]/ { on = 0 } on && $3 == f { print $1 }' "$1"
}

# debian_src_entries SOURCES LIST: the system's Debian sources as deb-src entries, its deb822
# stanzas signed by Debian's archive key into SOURCES, its one-line Debian entries into LIST.
debian_src_entries() {
    local f
    : >"$1"
    : >"$2"
    for f in /etc/apt/sources.list.d/*.sources; do
        [[ -f $f ]] || continue
        awk 'BEGIN { RS = ""; ORS = "\n\n" } /debian-archive-keyring/ { sub(/Types: deb\n/, "Types: deb-src\n"); print }' "$f" >>"$1"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $f ]] || continue
        sed -n 's/^deb\(\s.*debian\)/deb-src\1/p' "$f" >>"$2"
    done
}

fetch_allegro_source() {
    local dir=$1 apt dsc want got
    mkdir -p "$dir"
    dsc=$dir/allegro4.4_${ALLEGRO_SOURCE_VERSION#*:}.dsc
    if [[ -f $dsc && -f $dir/$ALLEGRO_TARBALL ]]; then
        want=$(dsc_sha256 "$dsc")
        got=$(sha256sum "$dir/$ALLEGRO_TARBALL" | cut -d' ' -f1)
        [[ -n $want && $want == "$got" ]] && return 0
        rm -f "$dir"/*
    fi
    apt="$dir/.apt"
    rm -rf "$apt"
    mkdir -p "$apt/sources" "$apt/lists/partial" "$apt/cache/archives/partial"
    debian_src_entries "$apt/sources/debian-src.sources" "$apt/debian-src.list"
    local opts=(-o "Dir::Etc::SourceList=$apt/debian-src.list" -o "Dir::Etc::SourceParts=$apt/sources"
        -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "Debug::NoLocking=1")
    apt-get "${opts[@]}" -q update >"$apt/update.log" 2>&1 || { cat "$apt/update.log" >&2; return 1; }
    # Only the .dsc and the upstream tarball are needed; Debian's own patches are not used.
    (cd "$dir" && apt-get "${opts[@]}" -q source --download-only "allegro4.4=$ALLEGRO_SOURCE_VERSION") \
        >"$apt/source.log" 2>&1 || true
    if [[ ! -f $dsc || ! -f $dir/$ALLEGRO_TARBALL ]]; then
        echo "Could not download allegro4.4 $ALLEGRO_SOURCE_VERSION's source:" >&2
        cat "$apt/source.log" >&2
        return 1
    fi
    want=$(dsc_sha256 "$dsc")
    got=$(sha256sum "$dir/$ALLEGRO_TARBALL" | cut -d' ' -f1)
    if [[ -z $want || $want != "$got" ]]; then
        echo "$ALLEGRO_TARBALL does not match its .dsc: SHA-256 $got, the .dsc says '$want'" >&2
        return 1
    fi
    rm -rf "$apt"
}
