// Os diálogos do módulo: a chave de documento, a janela de progresso e a cotação pela web.
#pragma once

#include "vrmwnd/dialogs/CDlgChave.h"
#include "vrmwnd/dialogs/CCMProgressoDlg.h"
#include "vrmwnd/dialogs/CDlgCotacaoWeb.h"
