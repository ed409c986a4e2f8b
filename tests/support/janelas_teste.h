// Apoio dos testes de janelas: a janela-pai que grava as notificações que de fato
// chegam a ela (depois da reflexão ao controle) e o usuário roteirizado, que age
// como uma pessoa pela fila de mensagens: na hora, sobre um controle, ou dentro
// do laço modal de um diálogo, pelo título.
#pragma once

#include <functional>
#include <memory>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "vrmwnd/platform/afxctrl.h"
#include "vrmwnd/platform/afxdlg.h"
#include "vrmwnd/platform/gxgrid.h"
#include "vrmwnd/platform/scripted_user.h"

// Uma notificação recebida pelo pai: o controle, o nome do código (EN_CHANGE,
// CBN_SELCHANGE, ...) e o texto do controle no momento em que ela chegou.
struct TNotificacao {
  int nId;
  std::string strCodigo;
  std::string strTexto;
  bool operator==(const TNotificacao& o) const { return nId == o.nId && strCodigo == o.strCodigo; }
};
std::ostream& operator<<(std::ostream& os, const TNotificacao& n);

// Nome do código de notificação conforme a classe do controle que o mandou.
std::string NomeDaNotificacao(HWND hControle, UINT nCodigo);

// Os textos da lista de um combo, na ordem em que ela os mostra.
std::vector<std::string> ItensDoCombo(const CComboBox& combo);
// As linhas de dados da grade em texto, uma por linha, células separadas por "|"; a
// grade nula dá "(sem grade)".
std::vector<std::string> LinhasDaGrade(CGXGridCore* pGrade);

class CPaiGravador : public CWnd {
 public:
  CPaiGravador();
  ~CPaiGravador() override;
  const std::vector<TNotificacao>& Recebidas() const { return m_recebidas; }
  // Só os nomes dos códigos, na ordem em que chegaram.
  std::vector<std::string> Codigos() const;
  void Limpa() { m_recebidas.clear(); }
  // Chamado a cada notificação que chega (depois de gravada).
  std::function<void(const TNotificacao&)> m_aoReceber;

 protected:
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr, void* pHandlerInfo = nullptr) override;

 private:
  std::vector<TNotificacao> m_recebidas;
};

// O usuário roteirizado da plataforma (vrmwnd/platform/scripted_user.h) com os nomes
// dos testes; o que dá errado num roteiro vira falha do teste.
class CRoteiro {
 public:
  explicit CRoteiro(Script& roteiro) : m_roteiro(roteiro) {}
  // Clica no controle e digita o texto, um caractere por vez.
  CRoteiro& Digita(int nId, const char* szTexto) { return Passo(m_roteiro.Type(nId, szTexto)); }
  // Clica no controle, apaga o que ele tem (até 40 caracteres, com Backspace no fim do
  // texto) e digita o texto.
  CRoteiro& Substitui(int nId, const char* szTexto) {
    Digita(nId, "");
    for (int i = 0; i < 40; ++i) Tecla(VK_BACK);
    return Escreve(szTexto);
  }
  // Digita sem clicar: o texto vai ao controle que tem o foco.
  CRoteiro& Escreve(const char* szTexto) { return Passo(m_roteiro.Write(szTexto)); }
  // Uma tecla no controle que tem o foco, com modificadores (VK_LSHIFT, ...).
  CRoteiro& Tecla(int nTecla, std::initializer_list<int> modificadores = {}) {
    return Passo(m_roteiro.Key(nTecla, modificadores));
  }
  CRoteiro& Clica(int nId) { return Passo(m_roteiro.Click(nId)); }
  // Clica com o botão direito no meio do controle (abre o menu de contexto).
  CRoteiro& ClicaDireito(int nId) { return Passo(m_roteiro.RightClick(nId)); }
  // Clica no item de texto exato do menu aberto mais interno.
  CRoteiro& EscolheMenu(const char* szItem) { return Passo(m_roteiro.ChooseMenu(szItem)); }
  // Abre a lista do combo e clica no item de texto exato.
  CRoteiro& Escolhe(int nId, const char* szItem) { return Passo(m_roteiro.Choose(nId, szItem)); }
  // Responde uma caixa de mensagem com o botão (IDOK, IDYES, ...).
  CRoteiro& Responde(int nBotao) { return Passo(m_roteiro.Answer(nBotao)); }
  // Arrasta o meio do controle por (dx, dy) com o botão esquerdo.
  CRoteiro& Arrasta(int nId, int dx, int dy) { return Passo(m_roteiro.Drag(nId, dx, dy)); }
  // Arrasta a alça de redimensionar do diálogo (sem ela, o canto da moldura).
  CRoteiro& ArrastaAlca(int dx, int dy) { return Passo(m_roteiro.DragSizeGrip(dx, dy)); }
  // Observa o diálogo aberto (sem agir).
  CRoteiro& Confere(std::function<void(HWND hDialogo)> fn) { return Passo(m_roteiro.Check(std::move(fn))); }

 private:
  CRoteiro& Passo(Script&) { return *this; }
  Script& m_roteiro;
};

class CUsuarioRoteirizado {
 public:
  CUsuarioRoteirizado();
  CUsuarioRoteirizado(const CUsuarioRoteirizado&) = delete;
  CUsuarioRoteirizado& operator=(const CUsuarioRoteirizado&) = delete;

  // Roteiro para o próximo diálogo com esse título (os roteiros são usados na ordem).
  CRoteiro& QuandoAbrir(const char* szTitulo);
  // Títulos dos diálogos que abriram, na ordem.
  const std::vector<std::string>& Abertos() const { return m_usuario.Opened(); }

  // Ações na hora, fora de um diálogo modal: a fila é processada até esvaziar.
  void Digita(CWnd& controle, const char* szTexto) { m_usuario.Type(controle, szTexto); }
  void Tecla(int nTecla, std::initializer_list<int> modificadores = {}) { m_usuario.Key(nTecla, modificadores); }
  void Clica(CWnd& controle) { m_usuario.Click(controle); }
  void Escolhe(CWnd& combo, const char* szItem) { m_usuario.Choose(combo, szItem); }
  static void ProcessaFila() { ScriptedUser::PumpQueue(); }

 private:
  ScriptedUser m_usuario;
  std::vector<std::unique_ptr<CRoteiro>> m_roteiros;
};
