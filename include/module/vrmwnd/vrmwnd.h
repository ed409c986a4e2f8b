// Cabeçalho guarda-chuva da biblioteca de janelas do módulo de Compras: o que uma
// tela do módulo inclui para usar os controles, diálogos e tratadores.
#pragma once

#include "vrmwnd/suite.h"
#include "vrmwnd/util/modulo.h"
#include "vrmwnd/util/CCMRecursoModulo.h"
#include "vrmwnd/util/CVRMWNDUtil.h"
#include "vrmwnd/util/automacao.h"
#include "vrmwnd/wrappers/C4_Base.h"
#include "vrmwnd/wrappers/C4_CQZEdit.h"
#include "vrmwnd/wrappers/C4_CComboBox.h"
#include "vrmwnd/wrappers/C4_CButton.h"
#include "vrmwnd/controls/CCMComboTipoAlerta.h"
#include "vrmwnd/controls/C4_CComboBoxFretePorConta.h"
#include "vrmwnd/controls/C4_CComboBoxRE.h"
#include "vrmwnd/controls/CAutorizacaoCompraEdit.h"
#include "vrmwnd/business/CTrataDadosREWnd.h"
#include "vrmwnd/business/CTrataDadosWnd.h"
#include "vrmwnd/business/CInteracaoComTelaWnd.h"
#include "vrmwnd/controls/CCondicaoPagamentoEdit.h"
#include "vrmwnd/dialogs/CDlgChave.h"
#include "vrmwnd/dialogs/CCMProgressoDlg.h"
#include "vrmwnd/dialogs/CDlgCotacaoWeb.h"
