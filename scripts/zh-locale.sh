#!/usr/bin/env bash
# Wine shows Chinese only with a Chinese locale: generate zh_CN.UTF-8 once.
set -euo pipefail
locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$' && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
$sudo locale-gen >/dev/null
