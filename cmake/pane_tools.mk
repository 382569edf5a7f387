# libpane's desktop tools as make rules, for DS projects built with make.
#
#   include $(LIBPANE)/share/libpane/pane_tools.mk
#   $(eval $(call pane_font,font_main,gfx/DejaVuSans.ttf,9))
#   $(eval $(call pane_picture,title,gfx/title.png))
#   $(eval $(call pane_sprite,rocket,gfx/rocket.png,--size 32x32 --transparent 0))
#   $(eval $(call pane_compressed_sprite,rocket_packed,gfx/rocket.png,--size 32x32))
#
# Each call makes $(PANE_ASSET_DIR)/NAME.c (uint16 NAME[], or the font table
# uint16* NAME[]) and NAME.h (its extern declaration), remade when the asset, the
# tool or the project's Makefile changes, and adds them to PANE_ASSET_SOURCES and
# PANE_ASSET_HEADERS.
# Compile the sources with your program, put $(PANE_ASSET_DIR) on the include path
# and make the objects that include the headers depend on $(PANE_ASSET_HEADERS).
#
#   pane_font NAME, FONT_FILE, SIZE[, OPTIONS]   glyphcast (OPTIONS: --bold --italic)
#   pane_unicode_font NAME, FONT_FILES, SIZE[, OPTIONS]
#                                                glyphcast --unicode: const PaneFont NAME;
#                                                FONT_FILES (space-separated) are a
#                                                fallback order, OPTIONS may add --range
#                                                LIST, --symbols-file FILE and --bpp 2
#                                                or --bpp 4 (smoothed coverage glyphs)
#   pane_binary_font NAME, FONT_FILES, SIZE[, OPTIONS]
#                                                the same font as the binary file
#                                                $(PANE_ASSET_DIR)/NAME.bin, added to
#                                                PANE_ASSET_BINARIES
#   pane_picture NAME, IMAGE[, OPTIONS]          pixport (default --size picture: the
#                                                whole picture as a sprite record)
#   pane_sprite NAME, IMAGE[, OPTIONS]           the same, named for sprites
#   pane_compressed_sprite NAME, IMAGE[, OPTIONS] pixport, then palsqueeze
#
# OPTIONS are the tool's own (pixport --help); a custom size (--size WxH or picture)
# keeps the size header that makes the output a sprite record.

# Taken now: MAKEFILE_LIST grows with every later include. The project's own
# Makefile, which holds each call's options, is a prerequisite of every output.
_pane_tools_mk := $(lastword $(MAKEFILE_LIST))
_pane_project_mk := $(firstword $(MAKEFILE_LIST))
PANE_TOOLS_BIN ?= $(abspath $(dir $(_pane_tools_mk))/../../bin)
GLYPHCAST ?= $(PANE_TOOLS_BIN)/glyphcast
PIXPORT ?= $(PANE_TOOLS_BIN)/pixport
PALSQUEEZE ?= $(PANE_TOOLS_BIN)/palsqueeze
PANE_ASSET_DIR ?= build/pane_assets

PANE_ASSET_SOURCES ?=
PANE_ASSET_HEADERS ?=
PANE_ASSET_BINARIES ?=

# NAME, PREREQUISITES, COMMAND: the command writes NAME.c and NAME.h together. A
# header deleted on its own runs the command again, when the source is up to date.
define _pane_outputs
PANE_ASSET_SOURCES += $(PANE_ASSET_DIR)/$(1).c
PANE_ASSET_HEADERS += $(PANE_ASSET_DIR)/$(1).h
$(PANE_ASSET_DIR)/$(1).c: $(2)
	@mkdir -p $(PANE_ASSET_DIR)
	$(3)
$(PANE_ASSET_DIR)/$(1).h: $(PANE_ASSET_DIR)/$(1).c
	@test -f $$@ || { echo "remaking $$@" && $(3); }
endef

define pane_font
$(call _pane_outputs,$(1),$(2) $(GLYPHCAST) $(_pane_project_mk),$(GLYPHCAST) --font-file $(2) --size $(3) $(4) --name $(1) --header $(PANE_ASSET_DIR)/$(1).h -o $(PANE_ASSET_DIR)/$(1).c)
endef

define pane_unicode_font
$(call _pane_outputs,$(1),$(2) $(GLYPHCAST) $(_pane_project_mk),$(GLYPHCAST) $(foreach f,$(2),--font-file $(f)) --size $(3) --unicode $(4) --name $(1) --header $(PANE_ASSET_DIR)/$(1).h -o $(PANE_ASSET_DIR)/$(1).c)
endef

define pane_binary_font
PANE_ASSET_BINARIES += $(PANE_ASSET_DIR)/$(1).bin
$(PANE_ASSET_DIR)/$(1).bin: $(2) $(GLYPHCAST) $(_pane_project_mk)
	@mkdir -p $(PANE_ASSET_DIR)
	$(GLYPHCAST) $(foreach f,$(2),--font-file $(f)) --size $(3) $(4) --binary $$@
endef

define pane_picture
$(call _pane_outputs,$(1),$(2) $(PIXPORT) $(_pane_project_mk),$(PIXPORT) $(2) $(if $(strip $(3)),$(3),--size picture) --name $(1) --header $(PANE_ASSET_DIR)/$(1).h -o $(PANE_ASSET_DIR)/$(1).c)
endef

define pane_sprite
$(call pane_picture,$(1),$(2),$(3))
endef

define pane_compressed_sprite
$(call _pane_outputs,$(1),$(2) $(PIXPORT) $(PALSQUEEZE) $(_pane_project_mk),$(PIXPORT) $(2) $(if $(strip $(3)),$(3),--size picture) -o $(PANE_ASSET_DIR)/$(1).plain.txt && $(PALSQUEEZE) $(PANE_ASSET_DIR)/$(1).plain.txt --name $(1) --header $(PANE_ASSET_DIR)/$(1).h -o $(PANE_ASSET_DIR)/$(1).c)
endef
