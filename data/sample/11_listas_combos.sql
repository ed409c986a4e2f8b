-- Empresa de amostra: as listas dos combos de cadastro.
INSERT INTO base_calculo_credito VALUES
  (1, '01', 'Aquisição de bens para revenda', 'M'),
  (2, '02', 'Aquisição de bens utilizados como insumo', 'M'),
  (3, '03', 'Aquisição de serviços utilizados como insumo', 'S'),
  (4, '04', 'Energia elétrica e térmica, inclusive sob a forma de vapor', 'E'),
  (7, '07', 'Armazenagem de mercadoria e frete na operação de venda', 'S'),
  (12, '12', 'Devolução de vendas sujeitas à incidência não cumulativa', 'M'),
  (13, '13', 'Outras operações com direito a crédito', 'T');

INSERT INTO indice_economico VALUES
  (1, 'IGPM', 'IGP-M — Índice Geral de Preços do Mercado'),
  (2, 'IPCA', 'IPCA — Índice de Preços ao Consumidor Amplo'),
  (3, 'INCC', 'INCC — Índice Nacional de Custo da Construção'),
  (4, 'USD', 'Dólar comercial (venda)'),
  (5, 'EUR', 'Euro (venda)');

INSERT INTO origem_mercadoria VALUES
  (1, '0', '0 — Nacional'),
  (2, '1', '1 — Estrangeira, importação direta'),
  (3, '2', '2 — Estrangeira, adquirida no mercado interno'),
  (4, '3', '3 — Nacional, conteúdo de importação entre 40% e 70%'),
  (6, '5', '5 — Nacional, conteúdo de importação até 40%');

INSERT INTO incidencia_pis_cofins VALUES
  (1, '1', 'Regime não cumulativo'),
  (2, '2', 'Regime cumulativo'),
  (3, '3', 'Regimes não cumulativo e cumulativo');

INSERT INTO tipo_periodo VALUES
  (1, 'M', 'Mensal', 1),
  (2, 'B', 'Bimestral', 2),
  (3, 'T', 'Trimestral', 3),
  (4, 'S', 'Semestral', 6),
  (5, 'A', 'Anual', 12);

INSERT INTO vencimento VALUES
  (1, 'DFM', 'Dia fixo do mês seguinte'),
  (2, 'DDL', 'Dias corridos da data de emissão'),
  (3, 'FDM', 'Fora o mês (a partir do fim do mês)'),
  (4, 'DUT', 'Dias úteis da data de entrada');

INSERT INTO estado VALUES
  (1, 'AM', 'Amazonas'),
  (2, 'MG', 'Minas Gerais'),
  (3, 'PE', 'Pernambuco'),
  (4, 'PR', 'Paraná'),
  (5, 'RS', 'Rio Grande do Sul'),
  (6, 'SP', 'São Paulo');
