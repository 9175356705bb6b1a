# shellcheck shell=bash
# Shared by the scripts that build a library for the Windows target from Debian bookworm's
# source packages (build-curl, build-freeimage). Source it after setting:
#   deps    the .deps/ folder
#   say, die  the calling script's message functions
# It keeps a private apt tree in $deps/apt (deb-src entries without touching the system's
# sources) and the downloaded source packages in $deps/src.

debsrc_aptdir=$deps/apt
debsrc_srcdir=$deps/src
debsrc_apt_opts=(
    -o "Dir::Etc::SourceList=$debsrc_aptdir/sources.list"
    -o Dir::Etc::SourceParts=/dev/null
    -o "Dir::State=$debsrc_aptdir/state"
    -o "Dir::Cache=$debsrc_aptdir/cache"
    # Running as root, apt drops to _apt for downloads, which cannot write
    # into our private dirs; there is nothing to gain from the sandbox here.
    -o APT::Sandbox::User=root
    -q
)

# debsrc_version PACKAGE: the version apt-get source would fetch, from the private index
# (no network); fails when the index does not list the package.
debsrc_version() {
    local dsc
    dsc=$(apt-get "${debsrc_apt_opts[@]}" --print-uris source "$1" 2>/dev/null </dev/null |
        sed -n "s/^'[^']*' \($1_[^ ]*\.dsc\) .*/\1/p" | head -n1)
    [ -n "$dsc" ] || return 1
    dsc=${dsc#"$1"_}
    echo "${dsc%.dsc}"
}

debsrc_have_index() { compgen -G "$debsrc_aptdir/state/lists/*_Sources*" >/dev/null; }

debsrc_as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"
    elif command -v sudo >/dev/null; then sudo "$@"
    else die "need root to run: $*"
    fi
}

# debsrc_need COMMAND PACKAGE ...: installs the Debian package of each missing command.
debsrc_need() {
    local missing=()
    while [ $# -ge 2 ]; do
        command -v "$1" >/dev/null || missing+=("$2")
        shift 2
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    say "installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if ! debsrc_as_root apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null; then
        debsrc_as_root apt-get update -q </dev/null
        debsrc_as_root apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
    fi
}

# debsrc_index REFRESH: writes the private sources list and reads the source index when it
# is missing, when the list changed or when REFRESH is 1.
debsrc_index() {
    local refresh=$1
    mkdir -p "$debsrc_aptdir/state/lists/partial" "$debsrc_aptdir/cache/archives/partial"
    local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    local mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
    local security=${DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
    local sources_new
    sources_new=$(cat <<EOF
deb-src [signed-by=$keyring] $mirror bookworm main
deb-src [signed-by=$keyring] $mirror bookworm-updates main
deb-src [signed-by=$keyring] $security bookworm-security main
EOF
)
    if [ ! -f "$debsrc_aptdir/sources.list" ] || [ "$(cat "$debsrc_aptdir/sources.list")" != "$sources_new" ]; then
        printf '%s\n' "$sources_new" >"$debsrc_aptdir/sources.list"
        refresh=1
    fi
    if [ "$refresh" = 1 ] || ! debsrc_have_index; then
        say "updating private apt source index"
        apt-get "${debsrc_apt_opts[@]}" update </dev/null >"$debsrc_aptdir/update.log" 2>&1 ||
            { cat "$debsrc_aptdir/update.log" >&2; die "apt-get update failed"; }
    fi
}

# debsrc_unpack PACKAGE VERSION TREE: downloads the source package once, then unpacks it
# afresh into TREE with Debian's patches applied. A fresh tree every time: the unpacked
# directory is named after the upstream version only, so an old tree would hide a new
# Debian revision.
debsrc_unpack() {
    local package=$1 version=$2 tree=$3
    mkdir -p "$debsrc_srcdir"
    local dsc=$debsrc_srcdir/${package}_$version.dsc
    if [ ! -f "$dsc" ]; then
        say "downloading the $package source package"
        (cd "$debsrc_srcdir" && apt-get "${debsrc_apt_opts[@]}" source --download-only "$package" </dev/null) \
            >"$debsrc_srcdir/download.log" 2>&1 ||
            { cat "$debsrc_srcdir/download.log" >&2; die "apt-get source $package failed"; }
        [ -f "$dsc" ] || die "apt-get source did not produce $(basename "$dsc")"
    fi
    rm -rf "$tree"
    mkdir -p "$(dirname "$tree")"
    say "unpacking $package and applying Debian patches"
    # The index that listed the .dsc is signed and apt checked the downloaded
    # files against it, so the missing uploader keyring is not a concern.
    # --no-copy keeps dpkg-source from copying the tarballs next to the tree.
    dpkg-source --no-check --no-copy -x "$dsc" "$tree" >"$tree.unpack.log" 2>&1 ||
        { cat "$tree.unpack.log" >&2; die "dpkg-source -x $package failed"; }
    rm -f "$tree.unpack.log"
}
