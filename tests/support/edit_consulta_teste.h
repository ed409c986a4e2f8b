// Base dos testes dos edits de consulta: a instalação de exemplo numa casa
// temporária, a empresa de amostra, o pai com o edit (100), o static companheiro (101) e
// um segundo campo (102) para onde o foco sai, a pessoa roteirizada, as caixas
// mostradas e o log de erros lido como a equipe de suporte o lê.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "empresa_teste.h"
#include "instalacao_teste.h"
#include "janelas_teste.h"
#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/suite/ganchos_teste.h"
#include "vrmwnd/suite/servidor/resultados.h"

// A pessoa clica no edit, digita szTexto e passa o foco para a janela hProximo.
inline void DigitaESaiPara(CUsuarioRoteirizado& usuario, CWnd& edit, HWND hProximo, const char* szTexto) {
  edit.SetWindowText("");
  usuario.Clica(edit);
  usuario.Digita(edit, szTexto);
  ::SetFocus(hProximo);
  CUsuarioRoteirizado::ProcessaFila();
}

// O texto que a janela mostra.
inline std::string TextoDaJanela(const CWnd& janela) {
  CString s;
  janela.GetWindowText(s);
  return s.GetString();
}

template <class TEdit>
class CEditConsultaTeste : public testing::Test {
 protected:
  // Troca o arquivo de mensagens szArquivo ("QZCMMens.txt") da instalação pelos textos
  // do teste.
  void EscreveMensagens(const char* szArquivo, const char* szMensagens) {
    EscreveArquivo(m_instalacao.Arquivo(szArquivo), szMensagens);
  }
  void CriaJanelas() {
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 100, 20, m_pai.m_hWnd, 100, nullptr,
                    nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 30, 200, 20, m_pai.m_hWnd, 101, nullptr, nullptr);
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 60, 100, 20, m_pai.m_hWnd, 102, nullptr,
                    nullptr);
    ASSERT_TRUE(m_edit.SubclassDlgItem(100, &m_pai));
    ASSERT_TRUE(m_static.SubclassDlgItem(101, &m_pai));
    m_edit.SetStaticCompanheiro(&m_static);
  }
  void TearDown() override {
    vrmsuite::LimpaFalhasLeitura();
    m_edit.OnFinaliza();
  }

  // A pessoa clica no edit, digita e passa para o outro campo.
  void DigitaESai(const char* szTexto) { DigitaESaiPara(m_usuario, m_edit, GetDlgItem(m_pai.m_hWnd, 102), szTexto); }
  std::string Static() const { return TextoDaJanela(m_static); }
  std::string UltimaCaixa() const { return m_caixas.Caixas().empty() ? "" : m_caixas.Caixas().back().strTexto; }
  // Todos os arquivos de erros gravados no teste, em sequência.
  std::string LogDeErros() const { return m_instalacao.Gravado("QZProfilerErros"); }

  CInstalacaoTeste m_instalacao;
  CEmpresaTeste m_empresa;
  CApresentadorTeste m_caixas;
  CPaiGravador m_pai;
  CUsuarioRoteirizado m_usuario;
  TEdit m_edit;
  CStatic m_static;
};
