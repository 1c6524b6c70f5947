#!/usr/bin/env bash
echo "The Windows build is not part of this tree yet" >&2
exit 1
